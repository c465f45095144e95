#include "launcher.h"

#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QTimer>

#include "adapter.h"
#include "client-name.h"
#include "deployment-guard.h"
#include "desktop-notification.h"
#include "dpiinfo.h"
#include "language.h"
#include "linux-service.h"
#include "log.h"
#include "raise-channel.h"
#include "strtab.h"
#include "uipathmanager.h"

namespace {

// 5 minutes: long enough to be read after coming back to the desk, short
// enough that a forgotten launcher does not hold the single-instance guard.
const int kFailureNoticeTimeoutMs = 5 * 60 * 1000;

// A dialog's frame with a title and nothing that minimises, maximises or
// (while work runs) closes it.
const Qt::WindowFlags kWorkingFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QString ReadyText()
{
    return TextWithClientName(StrTable::desc_hollowmere_env_preparation_done_tarnwell);
}

QString InitializingText()
{
    return TextWithClientName(StrTable::desc_hollowmere_env_preparing_tarnwell);
}

QString IconPath()
{
    return UIPathManager::getInstance()->getPath("root_resource_path") + "/images/ico_72_hollowmere.png";
}

bool IsCloseRequest(const QEvent* event)
{
    if (event->type() == QEvent::Close) {
        return true;
    }
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

}  // namespace

void HandlerThread::run()
{
    exec();
}

Worker::Worker()
    : QObject(nullptr)
{
    qRegisterMetaType<Service::Failure>();
    m_service = new LinuxService;
    m_handler_thread = new HandlerThread;
    moveToThread(m_handler_thread);
}

Worker::~Worker()
{
    // Whatever ended the UI loop, the thread must be gone before its object;
    // a sequence still running is let finish rather than cut off mid-deployment.
    QuitThread();
    JoinThread();
    delete m_handler_thread;
    delete m_service;
}

void Worker::StartThread()
{
    m_handler_thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    m_handler_thread->quit();
}

void Worker::JoinThread()
{
    m_handler_thread->wait();
}

void Worker::HandleServicce()
{
    LOG_MSG(L_DEBUG, launcher_debug, "running\n");
    m_service->PreUpgrade();
    if (!m_service->IsNeedUpgrade()) {
        LOG_MSG(L_DEBUG, launcher_debug, "no need to upgrade\n");
        // A run killed after the new copy took its place leaves a backup; only
        // the guard's holder may clear it, another launcher may be mid-swap.
        if (IsDeploymentAllowed()) {
            m_service->RemoveDeploymentLeftovers();
        }
    } else if (!IsDeploymentAllowed()) {
        // Another launcher may be deploying: start what is there, change nothing.
        LOG_MSG(L_WARNING, launcher_debug, "single-instance guard not held, the copy is left as it is\n");
    } else {
        // The label first, so the dialog never appears saying "initializing".
        emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_hollowmere_env_upgrading_tarnwell));
        emit sigShowMsg();
        if (m_service->HandlePackageUpgrade() == 0) {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(ReadyText());
        } else {
            LOG_MSG(L_ERR, launcher_debug, "Failed to upgrade package\n");
            emit sigUpgradeFailed(m_service->LastFailure());
        }
    }
    m_service->RemoveAgedFolders();
    m_service->PostUpgrade();
    LOG_MSG(L_DEBUG, launcher_debug, "done\n");
    emit sigServiceDone();
}

ProcessingProgressDialog::ProcessingProgressDialog()
    : QProgressDialog(nullptr)
{
    const QFont font = QApplication::font();
    setWindowTitle(StrTable::LoadStr(StrTable::app_name_tarnwell_client));
    // Not tested for existence: a missing icon only leaves the default one.
    setWindowIcon(QIcon(IconPath()));
    setWindowFlags(kWorkingFlags);
    setValue(0);
    setRange(0, 100);
    setLabelText(InitializingText());
    setFont(font);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setFixedWidth(int(400.0 * DPIinfo::getInstance()->getDPI()));
    setStyleSheet(DPIinfo::getInstance()->getScaledStyleSheet(
        "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"));
}

void ProcessingProgressDialog::ShowFailure(const QString& text)
{
    m_failed = true;
    // Two sentences and a path outgrow the fixed width: this label wraps.
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setLabel(label);
    if (QProgressBar* bar = findChild<QProgressBar*>()) {
        bar->hide();
    }
    setCancelButtonText(StrTable::LoadStr(StrTable::btn_close));
    const int margins =
        style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    const int wrappedHeight = label->heightForWidth(width() - margins);
    resize(width(), sizeHint().height() - label->sizeHint().height() + wrappedHeight);
    // New flags take effect when the window is shown again.
    setWindowFlags(kWorkingFlags | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    show();
}

Launcher::Launcher()
    : QObject(nullptr)
{
    // Created here, on the UI thread, so the relay's queued signals land here.
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    m_worker = new Worker;
    m_raiseListener =
        new RaiseListener(RaiseSocketPath(UIPathManager::getInstance()->getPath("user_tarnwell_path")));

    connect(this, &Launcher::sigStart, m_worker, &Worker::HandleServicce);
    connect(m_worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(m_worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(m_worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(m_worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
    connect(m_worker, &Worker::sigUpgradeFailed, this, &Launcher::ShowFailure);
    connect(m_raiseListener, &RaiseListener::sigRaiseRequested, this, &Launcher::RaiseDialog);
}

Launcher::~Launcher()
{
    delete m_worker;
    if (m_progress != nullptr) {
        // The base widget's destructor still sends events, when the dialog
        // part of the object is gone.
        m_progress->removeEventFilter(this);
    }
    delete m_progress;
    delete m_raiseListener;
}

void Launcher::Run()
{
    m_worker->StartThread();
}

void Launcher::Start()
{
    emit sigStart();
}

ProcessingProgressDialog* Launcher::Dialog()
{
    if (m_progress != nullptr) {
        return m_progress;
    }
    UseDesktopFont();
    m_progress = new ProcessingProgressDialog;
    m_progress->setCancelButton(nullptr);
    m_progress->setAutoReset(false);
    m_progress->setModal(false);
    m_progress->installEventFilter(this);
    // The Close button, the window's close button and Escape, once failed.
    connect(m_progress, &QProgressDialog::canceled, this, &Launcher::FailureClosed);
    connect(m_progress, &QDialog::rejected, this, &Launcher::FailureClosed);
    return m_progress;
}

bool Launcher::DisplayVisible()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

bool Launcher::eventFilter(QObject* watched, QEvent* event)
{
    // While the worker runs, closing the window or pressing Escape would not
    // stop the deployment, only hide its progress, and the dialog goes away
    // by itself once the worker is done: such requests are ignored (the
    // window offers no close button meanwhile). A failure closes normally.
    if (watched == m_progress && IsCloseRequest(event) && !m_progress->HasFailed()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Launcher::LaunchDone()
{
    m_worker->QuitThread();
    m_worker->JoinThread();
    m_workerDone = true;
    // A failure stays on screen until it is closed or the time-out passes;
    // the client has been started meanwhile.
    if (m_progress != nullptr && m_progress->HasFailed() && m_progress->isVisible() && !m_failureClosed) {
        QTimer::singleShot(kFailureNoticeTimeoutMs, this, &Launcher::FailureClosed);
        return;
    }
    if (m_progress != nullptr && !m_progress->HasFailed()) {
        m_progress->setValue(100);
        m_progress->hide();
    }
    QCoreApplication::quit();
}

void Launcher::FailureClosed()
{
    if (m_progress == nullptr || !m_progress->HasFailed()) {
        return;
    }
    m_failureClosed = true;
    m_progress->hide();
    if (m_workerDone) {
        QCoreApplication::quit();
    }
}

void Launcher::RaiseDialog()
{
    if (m_progress == nullptr || !m_progress->isVisible()) {
        return;
    }
    m_progress->raise();
    m_progress->activateWindow();
}

void Launcher::UpdateProgress(int total, int steps)
{
    Dialog()->setValue(steps * 100 / total);
}

void Launcher::SetLabelText(const QString& label)
{
    Dialog()->setLabelText(label);
}

void Launcher::ShowMsgBox()
{
    Dialog()->show();
}

void Launcher::ShowFailure(const Service::Failure& failure)
{
    const QString text = FailureText(failure);
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    std::fflush(stderr);
    Dialog()->ShowFailure(text);
    if (DisplayVisible()) {
        m_progress->raise();
        m_progress->activateWindow();
    } else {
        // Nobody sees an offscreen dialog: it keeps the text, and the run goes on.
        m_progress->hide();
    }
    SendDesktopNotification(StrTable::LoadStr(StrTable::app_name_tarnwell_client),
                            StrTable::LoadStr(StrTable::app_name_tarnwell_client), text, IconPath());
}
