// The Launcher in process, offscreen, on a staged package: what the user sees
// on each path of a real run, and the channel that raises a running
// launcher's dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <filesystem>

#include "deployment-guard.h"
#include "launcher.h"
#include "raise-channel.h"
#include "staged_package.h"
#include "strtab.h"
#include "uipathmanager.h"

namespace launcher_test {
namespace {

// Points the path registry at the stage, as start-up does for an installation.
void UsePaths(const Stage& stage)
{
    const std::string app = AppDir(stage.home);
    for (const auto& [key, value] : {std::pair{"user_tarnwell_path", stage.home + "/.Tarnwell"}, {"user_tarnwell_app_path", app},
                                     {"user_tarnwell_resource_path", app}, {"user_tarnwell_ui_path", app + "/bin/tarnwell-ui"},
                                     {"user_hollowmere_path", stage.home + "/.Hollowmere"}, {"root_resource_path", stage.root}}) {
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

// Notes value and label each time the dialog appears; the first time, asks to
// close it by the window and by Escape right in the show. The worker's end
// reaches this thread only through the event loop, so the requests surely come
// while it deploys (asked from a timer, they raced that end and lost).
class ShowWatcher : public QObject {
public:
    ShowWatcher() { qApp->installEventFilter(this); }
    std::vector<std::pair<int, QString>> shown;
    bool visibleAfterRequests = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<ProcessingProgressDialog*>(watched);
        if (dialog == nullptr || event->type() != QEvent::Show) {
            return false;
        }
        shown.emplace_back(dialog->value(), dialog->labelText());
        if (shown.size() == 1) {
            dialog->close();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(dialog, &escape);
            visibleAfterRequests = dialog->isVisible();
        }
        return false;
    }
};

TEST(DialogTest, dialog_shows_only_while_a_copy_is_deployed_and_ignores_close_requests_meanwhile)
{
    const QString updating = "Updating to the new version...";
    const QString failed = "Tarnwell Client could not be prepared. Please reinstall it.";
    for (const auto& [copyBuild, fails] : {std::pair{1300, false}, {1200, false}, {1200, true}}) {  // fails: no package
        SCOPED_TRACE(testing::Message() << copyBuild << (fails ? " failing" : ""));
        Stage stage(copyBuild);
        UsePaths(stage);
        if (fails) {
            std::filesystem::remove_all(stage.root + "/package/hollowmere");
        }
        Launcher launcher;
        ShowWatcher watcher;
        launcher.Run();
        launcher.Start();
        EXPECT_EQ(QApplication::exec(), 0);

        ProcessingProgressDialog* dialog = Dialog();
        if (copyBuild == 1300) {
            EXPECT_EQ(dialog, nullptr) << "built although nothing was deployed";
            continue;
        }
        ASSERT_NE(dialog, nullptr);
        // A failure shows the dialog once more with its text; offscreen it is
        // hidden again at once, since nobody could close it.
        using Shown = decltype(watcher.shown);
        EXPECT_EQ(watcher.shown, (fails ? Shown{{0, updating}, {0, failed}} : Shown{{0, updating}}));
        EXPECT_TRUE(watcher.visibleAfterRequests) << "a close request hid the running deployment";
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->value(), fails ? 0 : 100);
        EXPECT_EQ(dialog->labelText(), fails ? failed : "Tarnwell Client is ready.");
        QPushButton* button = dialog->findChild<QPushButton*>();
        EXPECT_EQ(button != nullptr && button->text() == "Close", fails);
    }
}

TEST(RaiseChannelTest, second_launcher_reaches_the_listener_that_holds_the_folder)
{
    for (const std::string left : {"", "socket", "file"}) {  // by a crashed launcher, or not ours
        SCOPED_TRACE(left);
        ScratchDir folder;
        const QString path = RaiseSocketPath(QString::fromStdString(folder.path()));
        if (left == "socket") {
            // Moved aside while it listens, so its end cannot remove it; then put back.
            {
                RaiseListener crashed(path);
                std::filesystem::rename(path.toStdString(), path.toStdString() + ".kept");
            }
            std::filesystem::rename(path.toStdString() + ".kept", path.toStdString());
        } else if (left == "file") {
            WriteFile(path.toStdString(), "not a socket");
        }
        EXPECT_FALSE(RequestRaise(path)) << "nobody listens yet";
        EXPECT_FALSE(RequestRaise(path + QString(200, QLatin1Char('x')))) << "longer than a socket address";
        int requests = 0;
        {
            RaiseListener listener(path);
            QObject::connect(&listener, &RaiseListener::sigRaiseRequested, [&] { ++requests; });
            EXPECT_EQ(RequestRaise(path), left != "file");
            for (int i = 0; i < 100 && requests == 0 && left != "file"; ++i) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }
        }
        EXPECT_EQ(requests, left != "file");
        EXPECT_EQ(Exists(path.toStdString()), left == "file") << "a listener removes its socket; a foreign file stays";
    }
}

}  // namespace
}  // namespace launcher_test

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    SetDeploymentAllowed(true);  // as start-up does once it holds the single-instance guard
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
