#include "failure-text.h"

#include <QLocale>

#include "client-name.h"
#include "strtab.h"

namespace {

QString Folder(const Service::Failure& failure)
{
    return QString::fromUtf8(failure.folder.data(), int(failure.folder.size()));
}

QString Reason(const Service::Failure& failure)
{
    if (failure.folder.empty()) {
        return QString();
    }
    switch (failure.reason) {
    case Service::FailureReason::OutOfSpace:
        if (failure.needed_bytes == 0) {
            return StrTable::LoadStr(StrTable::err_local_disk_full_path).arg(Folder(failure));
        }
        return StrTable::LoadStr(StrTable::wizard_space_not_enough)
            .arg(Folder(failure), QLocale().formattedDataSize(qint64(failure.needed_bytes)),
                 QLocale().formattedDataSize(qint64(failure.free_bytes)));
    case Service::FailureReason::Permission:
        return StrTable::LoadStr(StrTable::wizard_folder_no_permission).arg(Folder(failure));
    case Service::FailureReason::PackageUnreadable:
    case Service::FailureReason::Other:
    case Service::FailureReason::None:
        // The sentence itself says what helps: reinstalling the package.
        return QString();
    }
    return QString();
}

}  // namespace

QString FailureText(const Service::Failure& failure)
{
    const QString sentence = TextWithClientName(StrTable::desc_hollowmere_env_preparation_failed_tarnwell);
    const QString reason = Reason(failure);
    return reason.isEmpty() ? sentence : sentence + QLatin1Char(' ') + reason;
}
