// The Launcher in process, on the offscreen platform: the dialog's look, the
// progress arithmetic, what the user sees on each path of a real run on a
// staged package, and the dialog's resistance to being closed mid-run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "adapter.h"
#include "dpiinfo.h"
#include "launcher.h"
#include "launcher_test_support.h"
#include "uipathmanager.h"

namespace fs = std::filesystem;

namespace launcher_test {
namespace {

const QString kInitializing = "Tarnwell Client is initializing...";
const QString kReady = "Tarnwell Client is ready.";

struct Snapshot {
    int value;
    QString label;
};

// Records what the dialog held when it appeared and when it went away.
class DialogWatcher : public QObject {
public:
    DialogWatcher(QProgressDialog* dialog, std::function<void()> onShown = {})
        : m_dialog(dialog), m_onShown(std::move(onShown))
    {
        dialog->installEventFilter(this);
    }

    std::vector<Snapshot> shown;
    std::vector<Snapshot> hidden;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show) {
            shown.push_back({m_dialog->value(), m_dialog->labelText()});
            if (m_onShown) {
                QTimer::singleShot(0, m_onShown);
            }
        }
        if (watched == m_dialog && event->type() == QEvent::Hide) {
            hidden.push_back({m_dialog->value(), m_dialog->labelText()});
        }
        return false;
    }

private:
    QProgressDialog* m_dialog;
    std::function<void()> m_onShown;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string tarnwell = home + "/.Tarnwell";
        const std::pair<const char*, std::string> paths[] = {
            {"user_tarnwell_path", tarnwell},
            {"user_tarnwell_app_path", AppDir(home)},
            {"user_tarnwell_resource_path", AppDir(home)},
            {"user_tarnwell_ui_path", AppDir(home) + "/bin/tarnwell-ui"},
            {"user_hollowmere_path", home + "/.Hollowmere"},
            {"root_resource_path", root},
        };
        for (const auto& [key, value] : paths) {
            UIPathManager::getInstance()->setPath(key, QString::fromStdString(value));
        }
        StagePackage(root, 1300, false);
    }

    static ProcessingProgressDialog* Dialog()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<ProcessingProgressDialog*>(widget)) {
                return dialog;
            }
        }
        return nullptr;
    }

    static int RunToEnd(Launcher& launcher)
    {
        launcher.Run();
        launcher.Start();
        return QApplication::exec();
    }

    TempFolder tmp;
    const std::string root = tmp.path() + "/root";
    const std::string home = tmp.path() + "/home";
};

TEST_F(DialogTest, dialog_is_built_hidden_with_its_fixed_look)
{
    const QFont previousFont = QApplication::font();
    QApplication::setFont(QFont("Arial", 9));
    Launcher launcher;
    QApplication::setFont(previousFont);
    ProcessingProgressDialog* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Tarnwell Client");
    EXPECT_EQ(dialog->labelText(), kInitializing);
    EXPECT_EQ(dialog->value(), 0);
    EXPECT_EQ(dialog->minimum(), 0);
    EXPECT_EQ(dialog->maximum(), 100);
    EXPECT_EQ(dialog->windowType(), Qt::Window);
    EXPECT_EQ(dialog->windowFlags() & ~Qt::WindowType_Mask, Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->minimumWidth(), int(400.0 * DPIinfo::getInstance()->getDPI()));
    EXPECT_EQ(dialog->maximumWidth(), dialog->minimumWidth());
    EXPECT_EQ(dialog->findChild<QPushButton*>(), nullptr);
    EXPECT_EQ(dialog->font().family(), "Arial");
    EXPECT_EQ(dialog->font().pointSize(), 9);
    EXPECT_TRUE(dialog->styleSheet().contains("WhiteSmoke"));
}

TEST_F(DialogTest, relayed_progress_is_a_truncated_percentage)
{
    struct Case {
        const char* name;
        int total;
        int step;
        int value;
    };
    const Case cases[] = {
        {"one_of_three", 3, 1, 33},
        {"two_of_three", 3, 2, 66},
        {"three_of_three", 3, 3, 100},
        {"seven_of_seven", 7, 7, 100},
        {"none_of_seven", 7, 0, 0},
    };
    Launcher launcher;
    ProcessingProgressDialog* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notify_Adapter::GetInstance().UpdateProgress(c.total, c.step);
        EXPECT_EQ(dialog->value(), c.value);
    }
    Notify_Adapter::GetInstance().UpdateDialogText("unpacking");
    EXPECT_EQ(dialog->labelText(), "unpacking");
}

TEST_F(DialogTest, dialog_shows_only_while_a_copy_is_deployed)
{
    struct Case {
        const char* name;
        int copyBuild;
        bool packageMissing;
        bool shown;
        QString finalLabel;
        const char* startCalls;
    };
    const Case cases[] = {
        {"nothing_to_upgrade", 1300, false, false, {}, "start by copy 1300\n"},
        {"upgrade_succeeds", 1200, false, true, kReady, "start by package 1300\n"},
        {"upgrade_fails", 1200, true, true, kInitializing, "start by copy 1200\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(home);
        fs::remove_all(root);
        StagePackage(root, 1300, false);
        if (c.packageMissing) {
            fs::remove_all(root + "/package/hollowmere");
        }
        StagePrivateCopy(home, c.copyBuild);
        Launcher launcher;
        ProcessingProgressDialog* dialog = Dialog();
        ASSERT_NE(dialog, nullptr);
        DialogWatcher watcher(dialog);

        EXPECT_EQ(RunToEnd(launcher), 0);

        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(ReadFile(home + "/start-calls").value_or(""), c.startCalls);
        if (!c.shown) {
            EXPECT_TRUE(watcher.shown.empty());
            continue;
        }
        ASSERT_EQ(watcher.shown.size(), 1u);
        EXPECT_EQ(watcher.shown[0].value, 0);
        EXPECT_EQ(watcher.shown[0].label, kInitializing);
        ASSERT_EQ(watcher.hidden.size(), 1u);
        EXPECT_EQ(watcher.hidden[0].value, 100);
        EXPECT_EQ(watcher.hidden[0].label, c.finalLabel);
    }
}

TEST_F(DialogTest, texts_follow_the_installed_catalogue)
{
    QTranslator german;
    ASSERT_TRUE(german.load(":/ger.qm"));
    QCoreApplication::installTranslator(&german);
    const std::unique_ptr<QTranslator, void (*)(QTranslator*)> installed(
        &german, [](QTranslator* translator) { QCoreApplication::removeTranslator(translator); });
    const QString name = QCoreApplication::translate("global", "Tarnwell Client");
    const QString initializing = QCoreApplication::translate("global", "%1 is initializing...").arg(name);
    const QString ready = QCoreApplication::translate("global", "%1 is ready.").arg(name);
    ASSERT_NE(initializing, kInitializing) << "the catalogue lacks the text";
    StagePrivateCopy(home, 1200);
    Launcher launcher;
    ProcessingProgressDialog* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    DialogWatcher watcher(dialog);

    EXPECT_EQ(RunToEnd(launcher), 0);

    EXPECT_EQ(dialog->windowTitle(), name);
    ASSERT_EQ(watcher.shown.size(), 1u);
    EXPECT_EQ(watcher.shown[0].label, initializing);
    ASSERT_EQ(watcher.hidden.size(), 1u);
    EXPECT_EQ(watcher.hidden[0].label, ready);
}

TEST_F(DialogTest, close_requests_during_deployment_are_ignored)
{
    // Copying a FIFO blocks the worker mid-deployment until it is fed.
    const std::string fifo = root + "/package/hollowmere/bin/feed";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    StagePrivateCopy(home, 1200);
    Launcher launcher;
    ProcessingProgressDialog* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    bool visibleAfterRequests = false;
    std::atomic<bool> runOver{false};
    std::thread feeder;
    DialogWatcher watcher(dialog, [&] {
        dialog->close();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog, &escape);
        visibleAfterRequests = dialog->isVisible();
        feeder = std::thread([&] {
            int fd;
            while ((fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK)) < 0 && !runOver) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            if (fd >= 0) {
                EXPECT_EQ(write(fd, "fed\n", 4), 4);
                close(fd);
            }
        });
    });

    EXPECT_EQ(RunToEnd(launcher), 0);
    runOver = true;
    if (feeder.joinable()) {
        feeder.join();
    }

    EXPECT_TRUE(visibleAfterRequests);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(watcher.hidden.size(), 1u);
    EXPECT_EQ(watcher.hidden[0].label, kReady);
    EXPECT_EQ(BuildOf(AppDir(home) + "/INFO"), "1300");
}

TEST_F(DialogTest, launcher_deleted_mid_run_waits_for_the_worker)
{
    StagePrivateCopy(home, 1200);
    {
        Launcher launcher;
        launcher.Run();
        launcher.Start();
    }
    // Whether the sequence ran or not, it never stops halfway.
    const std::string build = BuildOf(AppDir(home) + "/INFO");
    EXPECT_TRUE(build == "1200" || build == "1300") << build;
    EXPECT_EQ(Exists(AppDir(home) + "/old-only"), build == "1200");
    EXPECT_FALSE(Exists(AppDir(home) + "_tmp"));
}

}  // namespace
}  // namespace launcher_test
