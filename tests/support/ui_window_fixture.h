// Helpers for tests that run the real windows on the offscreen platform: a screen
// of a chosen size, a start-up folder with a coded skin, and a watcher that
// answers message boxes and popup menus the way a player would.
#pragma once

#include "support/MainProbe.h"
#include "support/SessionProbe.h"
#include "support/ui_skin_fixture.h"
#include "ui/Session.h"
#include "ui/UMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace tesseron::test {

// Runs the event loop until `pred` holds; false after `timeoutMs`. It sleeps until the
// next event instead of a fixed step: only a handler can make the condition true.
template <typename Pred>
bool WaitUntil(Pred pred, int timeoutMs = 10000) {
    if (pred()) return true;
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    // Wakes the loop for the limit, and for a condition that a thread of its own changes.
    QTimer wake;
    wake.start(50);
    while (!pred()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// Must run before the QApplication exists: the offscreen platform with these screens,
// each {"name", "x", "y", "width", "height", "dpr"}.
inline void UseOffscreenScreens(const QByteArray& screens) {
    static QTemporaryFile config(QDir::tempPath() + QStringLiteral("/tesseron-screens-XXXXXX.json"));
    config.open();
    config.resize(0);
    config.write("{\"screens\":" + screens + "}");
    config.flush();
    const std::string platform = "offscreen:configfile=" + config.fileName().toStdString();
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

inline void UseOffscreenScreen(int width, int height) {
    UseOffscreenScreens(QStringLiteral("[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,\"height\":%2,"
                                       "\"logicalDpi\":96,\"logicalBpp\":32,\"dpr\":1}]")
                            .arg(width)
                            .arg(height)
                            .toUtf8());
}

// A start-up folder: the coded skin as "Scoarching red.skn" and a whole high-score file.
class GameDir {
public:
    GameDir() {
        WriteFile(skin_.Path(QStringLiteral("Scoarching red.skn")), skin_.Lines().join(QStringLiteral("\r\n")).toLatin1());
        WriteFile(skin_.Path(QStringLiteral("Vexil.hig")), QByteArray(31 * 108, '\0'));
        previous_ = QDir::currentPath();
    }
    ~GameDir() { QDir::setCurrent(previous_); }

    // Makes the folder the working directory, as the game is started in it.
    void Enter() const { QDir::setCurrent(skin_.Base()); }
    QString Base() const { return skin_.Base(); }
    QString Path(const QString& name) const { return skin_.Path(name); }
    void Remove(const QString& name) const { QFile::remove(Path(name)); }

private:
    CodedSkinDir skin_;
    QString previous_;
};

struct SeenMessage {
    QMessageBox::Icon icon;
    QString text;
    int buttons;
    QWidget* parent;  // the window it was shown over
    QSize iconSize;   // in device pixels
    QSize size;       // as it was laid out on the screen
    QSize okSize;     // its OK button's, likewise
};

// Notes every message box and popup menu as it is shown and closes it after `delayMs`,
// pressing the box's OK button. It answers the show itself, so nothing waits on a poll.
class ModalWatcher {
public:
    explicit ModalWatcher(int delayMs = 0) : hook_(*this, delayMs) {
        QCoreApplication::instance()->installEventFilter(&hook_);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) hook_.Seen(w);  // already open when the watcher came
    }

    std::vector<SeenMessage> messages;
    std::vector<QStringList> menus;

private:
    class Hook : public QObject {
    public:
        Hook(ModalWatcher& watcher, int delayMs) : watcher_(watcher), delay_(delayMs) {}

        bool eventFilter(QObject* object, QEvent* event) override {
            // A spontaneous show is the window system restoring a window already noted.
            if (event->type() == QEvent::Show && !event->spontaneous() && object->isWidgetType())
                Seen(static_cast<QWidget*>(object));
            return false;
        }

        void Seen(QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                watcher_.messages.push_back({box->icon(),
                                             box->text(),
                                             int(box->buttons().size()),
                                             box->parentWidget(),
                                             box->iconPixmap().size(),
                                             {},
                                             {}});
                // Queued, so it runs in the box's own loop once exec() has started it.
                QTimer::singleShot(delay_, box, [box, &seen = watcher_.messages, i = watcher_.messages.size() - 1] {
                    seen[i].size = box->size();
                    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                        seen[i].okSize = ok->size();
                        ok->click();
                    } else
                        box->reject();
                });
            } else if (auto* menu = qobject_cast<QMenu*>(w)) {
                QStringList items;
                for (QAction* a : menu->actions()) items << a->text();
                watcher_.menus.push_back(items);
                QTimer::singleShot(delay_, menu, [menu] { menu->close(); });
            }
        }

    private:
        ModalWatcher& watcher_;
        int delay_;
    };

    Hook hook_;  // last: it goes before the lists it fills
};

// A game in a start-up folder, started as the application starts it and shown full
// screen with its step timer held, so that the test moves each brick itself.
class FullScreenGame {
protected:
    void StartFullScreen() {
        dir.Enter();
        session = std::make_unique<Session>();
        main = std::make_unique<TMain>(session->SkinInUse(), session->BaseDir());
        // Wired as the application wires them.
        main->GameOverHandler = [this](int32_t score) { session->AddHighScore(score); };
        session->Start(*main);
        ASSERT_TRUE(WaitUntil([&] { return session->Started(); }));
        main->ShowFullScreen();
        Probe(*main).EngineHost().StepTimer(false);
    }

    GameDir dir;
    ModalWatcher watcher;
    std::unique_ptr<Session> session;
    std::unique_ptr<TMain> main;
};

}  // namespace tesseron::test
