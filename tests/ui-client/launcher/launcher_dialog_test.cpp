// The Launcher in process, on the offscreen platform (the tests need no
// display): the dialog's look, the progress arithmetic, what the user sees
// on each path of a real run on a staged package, closing attempts included,
// and the failure texts.
#include <fcntl.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <filesystem>
#include <functional>
#include <memory>
#include <thread>
#include <ostream>
#include <utility>
#include <vector>

#include "adapter.h"
#include "deployment-guard.h"
#include "dpiinfo.h"
#include "failure-text.h"
#include "raise-channel.h"
#include "launcher.h"
#include "child_process.h"
#include "staged_package.h"
#include "strtab.h"
#include "uipathmanager.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace launcher_test {
namespace {

const QString kUpdating = "Updating to the new version...";
const QString kReady = "Tarnwell Client is ready.";
const QString kFailed = "Tarnwell Client could not be prepared. Please reinstall it.";
using Snapshots = std::vector<std::pair<int, QString>>;  // value and label

// Points the path registry at the stage, as start-up does for an installation.
void UsePaths(const Stage& stage)
{
    const std::string app = AppDir(stage.home);
    const std::pair<const char*, std::string> paths[] = {
        {"user_tarnwell_path", stage.home + "/.Tarnwell"}, {"user_tarnwell_app_path", app},
        {"user_tarnwell_resource_path", app}, {"user_tarnwell_ui_path", app + "/bin/tarnwell-ui"},
        {"user_hollowmere_path", stage.home + "/.Hollowmere"}, {"root_resource_path", stage.root},
    };
    for (const auto& [key, value] : paths) {
        UIPathManager::getInstance()->setPath(key, QString::fromStdString(value));
    }
}

ProcessingProgressDialog* Dialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ProcessingProgressDialog*>(widget)) {
            return dialog;
        }
    }
    return nullptr;
}

// Records value and label of the launcher's dialog each time it appears
// (it is built only on the way), then calls onShown from the event loop.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(std::function<void(QProgressDialog*)> onShown) : m_onShown(std::move(onShown))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    Snapshots shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<ProcessingProgressDialog*>(watched);
        if (dialog != nullptr && event->type() == QEvent::Show) {
            shown.emplace_back(dialog->value(), dialog->labelText());
            // Tied to the watcher and the dialog: dropped when either is gone first.
            QPointer<QProgressDialog> shownDialog(dialog);
            QTimer::singleShot(0, this, [this, shownDialog] {
                if (shownDialog) {
                    m_onShown(shownDialog);
                }
            });
        }
        return false;
    }

private:
    std::function<void(QProgressDialog*)> m_onShown;
};

TEST(DialogTest, new_dialog_has_its_fixed_look_and_shows_relayed_progress)
{
    Stage stage(0, false);
    UsePaths(stage);
    Launcher launcher;
    EXPECT_EQ(Dialog(), nullptr) << "built before anything needs it";
    Notify_Adapter::GetInstance().UpdateProgress(1, 0);
    ProcessingProgressDialog* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Tarnwell Client");
    EXPECT_EQ(dialog->labelText(), "Tarnwell Client is initializing...");
    EXPECT_EQ(dialog->value(), 0);
    EXPECT_EQ(std::make_pair(dialog->minimum(), dialog->maximum()), std::make_pair(0, 100));
    // A dialog's frame: no minimise, maximise or (while work runs) close button.
    EXPECT_EQ(dialog->windowFlags(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    const int width = int(400.0 * DPIinfo::getInstance()->getDPI());
    EXPECT_EQ(std::make_pair(dialog->minimumWidth(), dialog->maximumWidth()), std::make_pair(width, width));
    EXPECT_EQ(dialog->findChild<QPushButton*>(), nullptr);
    EXPECT_TRUE(dialog->styleSheet().contains("WhiteSmoke"));

    const int progress[][3] = {{3, 1, 33}, {3, 2, 66}, {3, 3, 100}, {7, 0, 0}};  // total, step, value
    for (const auto& [total, step, value] : progress) {
        SCOPED_TRACE(testing::Message() << step << " of " << total);
        Notify_Adapter::GetInstance().UpdateProgress(total, step);
        EXPECT_EQ(dialog->value(), value);
    }
    Notify_Adapter::GetInstance().UpdateDialogText("unpacking");
    EXPECT_EQ(dialog->labelText(), "unpacking");
}

TEST(DialogTest, dialog_shows_only_while_a_copy_is_deployed)
{
    struct Case {
        const char* name;
        int copyBuild;
        bool packageMissing, ready;  // packageMissing fails the deployment
        const char* catalogue;  // installed before the Launcher is built
        bool closeMidRun;       // window close and Escape while the worker deploys
    };
    const Case cases[] = {
        {"nothing_to_upgrade", 1300, false, false, nullptr, false},
        {"upgrade_succeeds", 1200, false, true, nullptr, false},
        {"upgrade_fails", 1200, true, false, nullptr, false},
        {"upgrade_succeeds_in_german", 1200, false, true, ":/ger.qm", false},
        {"upgrade_fails_in_german", 1200, true, false, ":/ger.qm", false},
        {"close_requests_during_deployment_are_ignored", 1200, false, true, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Stage stage(c.copyBuild, false);
        UsePaths(stage);
        if (c.packageMissing) {
            std::filesystem::remove_all(stage.root + "/package/hollowmere");
        }
        QTranslator translator;  // leaves the application when destroyed
        if (c.catalogue != nullptr) {
            ASSERT_TRUE(translator.load(c.catalogue));
            QCoreApplication::installTranslator(&translator);
        }
        const QString name = QCoreApplication::translate("global", "Tarnwell Client");
        const QString updating = QCoreApplication::translate("global", "Updating to the new version...");
        const QString ready = QCoreApplication::translate("global", "%1 is ready.").arg(name);
        const QString failed = QCoreApplication::translate("global", "%1 could not be prepared. Please reinstall it.").arg(name);
        ASSERT_EQ(updating == kUpdating && ready == kReady && failed == kFailed, c.catalogue == nullptr);
        Launcher launcher;
        bool visibleAfterRequests = false;
        ShowWatcher watcher([&](QProgressDialog* dialog) {
            if (c.closeMidRun) {
                dialog->close();
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(dialog, &escape);
                // The worker's end reaches this thread only after this returns,
                // so an accepted request would show here as a hidden dialog.
                visibleAfterRequests = dialog->isVisible();
            }
        });

        launcher.Run();
        launcher.Start();
        EXPECT_EQ(QApplication::exec(), 0);

        ProcessingProgressDialog* dialog = Dialog();
        if (c.copyBuild == 1300) {
            EXPECT_EQ(dialog, nullptr) << "built although nothing was deployed";
            continue;
        }
        ASSERT_NE(dialog, nullptr);
        // A failure shows the dialog once more, now with its text; offscreen
        // it is hidden again at once, since nobody could close it.
        const Snapshots expectedShown = c.packageMissing ? Snapshots{{0, updating}, {0, failed}}
                                                         : Snapshots{{0, updating}};
        EXPECT_EQ(watcher.shown, expectedShown);
        EXPECT_EQ(visibleAfterRequests, c.closeMidRun);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->windowTitle(), name);
        EXPECT_EQ(dialog->value(), c.packageMissing ? 0 : 100);
        EXPECT_EQ(dialog->labelText(), c.packageMissing ? failed : c.ready ? ready : updating);
        QPushButton* button = dialog->findChild<QPushButton*>();
        EXPECT_EQ(button != nullptr && button->text() == QCoreApplication::translate("global", "Close"), c.packageMissing);
    }
}

TEST(FailureTextTest, reason_follows_the_sentence_with_folder_and_figures)
{
    using Reason = Service::FailureReason;
    struct Case {
        const char* name;
        Service::Failure failure;
        QString expected;
    };
    const Case cases[] = {
        {"out_of_space_with_figures", {Reason::OutOfSpace, "/home/u", 3u << 20, 1u << 20},
         kFailed + " There is not enough free space on /home/u (3.00 MiB needed, 1.00 MiB available)."},
        {"out_of_space_without_figures", {Reason::OutOfSpace, "/home/u", 0, 0},
         kFailed + " There is not enough space on the disk that holds /home/u."},
        {"permission", {Reason::Permission, "/home/u/.Tarnwell", 0, 0},
         kFailed + " You do not have permission to write to /home/u/.Tarnwell."},
        {"damaged_package", {Reason::PackageUnreadable, "/opt/p", 0, 0}, kFailed},
        {"reason_unknown", {Reason::Other, "", 0, 0}, kFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailureText(c.failure), c.expected);
    }
}

TEST(RaiseChannelTest, second_launcher_reaches_the_listener_that_holds_the_folder)
{
    struct Case {
        const char* name;
        const char* leftAtPath;  // "socket": by a crashed launcher, "file": not ours
        bool listens;
    };
    const Case cases[] = {
        {"nothing_there", nullptr, true},
        {"stale_socket_replaced", "socket", true},
        {"foreign_file_left_alone", "file", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir folder;
        const QString path = RaiseSocketPath(QString::fromStdString(folder.path()));
        EXPECT_FALSE(RequestRaise(path)) << "nobody listens yet";
        const std::string left = c.leftAtPath != nullptr ? c.leftAtPath : "";
        if (left == "socket") {
            // Moved aside while it listens, so its end cannot remove it; then put back.
            {
                RaiseListener crashed(path);
                ASSERT_TRUE(crashed.IsListening());
                ASSERT_EQ(std::rename(path.toUtf8().constData(), (path + ".kept").toUtf8().constData()), 0);
            }
            ASSERT_EQ(std::rename((path + ".kept").toUtf8().constData(), path.toUtf8().constData()), 0);
        } else if (left == "file") {
            WriteFile(path.toStdString(), "not a socket");
        }
        int requests = 0;
        {
            RaiseListener listener(path);
            QObject::connect(&listener, &RaiseListener::sigRaiseRequested, [&] { ++requests; });
            EXPECT_EQ(listener.IsListening(), c.listens);
            EXPECT_EQ(RequestRaise(path), c.listens);
            for (int i = 0; i < 100 && requests == 0 && c.listens; ++i) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }
        }
        EXPECT_EQ(requests, c.listens ? 1 : 0);
        EXPECT_EQ(Exists(path.toStdString()), !c.listens) << "a listener removes its socket; a foreign file stays";
    }
}

TEST(DialogTest, launcher_deleted_mid_run_waits_for_the_worker)
{
    Stage stage(1200, false);
    UsePaths(stage);
    {
        Launcher launcher;
        launcher.Run();
        launcher.Start();
    }
    // Whether the sequence ran or not, it never stops halfway.
    const std::string build = stage.CopyBuild();
    EXPECT_TRUE(build == "1200" || build == "1300") << build;
    EXPECT_EQ(Exists(AppDir(stage.home) + "/old-only"), build == "1200");
    EXPECT_FALSE(Exists(AppDir(stage.home) + "_tmp"));
}

}  // namespace
}  // namespace launcher_test

// The string table is filled as start-up fills it.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    // As the entry does once it holds the single-instance guard.
    SetDeploymentAllowed(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
