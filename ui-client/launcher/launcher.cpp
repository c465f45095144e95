#include "launcher.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>

#include "adapter.h"
#include "deployment-guard.h"
#include "dpiinfo.h"
#include "linux-service.h"
#include "log.h"
#include "strtab.h"
#include "uipathmanager.h"

namespace {

QString ReadyText()
{
    return StrTable::LoadStr(StrTable::desc_hollowmere_env_preparation_done_tarnwell)
        .arg(StrTable::LoadStr(StrTable::app_name_tarnwell_client));
}

QString InitializingText()
{
    return StrTable::LoadStr(StrTable::desc_hollowmere_env_preparing_tarnwell)
        .arg(StrTable::LoadStr(StrTable::app_name_tarnwell_client));
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
    } else if (!IsDeploymentAllowed()) {
        // Another launcher may be deploying: start what is there, change nothing.
        LOG_MSG(L_WARNING, launcher_debug, "single-instance guard not held, the copy is left as it is\n");
    } else {
        emit sigShowMsg();
        if (m_service->HandlePackageUpgrade() == 0) {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(ReadyText());
        } else {
            LOG_MSG(L_ERR, launcher_debug, "Failed to upgrade package\n");
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
    // Not tested for existence: a missing icon only leaves the default one.
    const QString iconPath =
        UIPathManager::getInstance()->getPath("root_resource_path") + "/images/ico_72_hollowmere.png";
    setWindowTitle(StrTable::LoadStr(StrTable::app_name_tarnwell_client));
    setWindowIcon(QIcon(iconPath));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
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

Launcher::Launcher()
    : QObject(nullptr)
{
    // Created here, on the UI thread, so the relay's queued signals land here.
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    m_worker = new Worker;
    m_progress = new ProcessingProgressDialog;
    m_progress->setCancelButton(nullptr);
    m_progress->setAutoReset(false);
    m_progress->setModal(false);
    m_progress->installEventFilter(this);

    connect(this, &Launcher::sigStart, m_worker, &Worker::HandleServicce);
    connect(m_worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(m_worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(m_worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(m_worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
}

Launcher::~Launcher()
{
    delete m_worker;
    delete m_progress;
}

void Launcher::Run()
{
    m_worker->StartThread();
}

void Launcher::Start()
{
    emit sigStart();
}

bool Launcher::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the window or pressing Escape would not stop the deployment,
    // only hide its progress, and the dialog goes away by itself once the
    // worker is done: such requests are ignored.
    if (watched == m_progress && IsCloseRequest(event)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Launcher::LaunchDone()
{
    m_progress->setValue(100);
    m_progress->hide();
    m_worker->QuitThread();
    m_worker->JoinThread();
    QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps)
{
    m_progress->setValue(steps * 100 / total);
}

void Launcher::SetLabelText(const QString& label)
{
    m_progress->setLabelText(label);
}

void Launcher::ShowMsgBox()
{
    m_progress->show();
}
