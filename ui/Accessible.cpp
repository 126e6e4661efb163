#include "ui/Accessible.h"

#include "ui/PaintedControls.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace tesseron {

namespace {

// The child interfaces of a window or a list, one per index ever asked for. They stay
// registered while their parent lives, so an assistive technology keeps its ids and no
// id is spent twice on the same control; indexes past the current count report invalid.
class ChildSet {
public:
    ChildSet() = default;
    ChildSet(const ChildSet&) = delete;
    ChildSet& operator=(const ChildSet&) = delete;
    // By id: Qt's cache may already have let a child go when the program ends.
    ~ChildSet() {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }
    // `make(i)` creates the child at index i.
    template <typename Make>
    QAccessibleInterface* At(int index, Make make) {
        while (int(kids_.size()) <= index) {
            QAccessibleInterface* kid = make(int(kids_.size()));
            kids_.push_back(kid);
            ids_.push_back(QAccessible::registerAccessibleInterface(kid));
        }
        return kids_[size_t(index)];
    }
    int IndexOf(const QAccessibleInterface* child) const;

private:
    std::vector<QAccessibleInterface*> kids_;
    std::vector<QAccessible::Id> ids_;
};

// A window drawing its own controls: Qt's interface of the widget, with the painted
// controls as its first children and the widget's own children after them.
class PaintedWindowAccessible final : public QAccessibleWidget {
public:
    PaintedWindowAccessible(QWidget* widget, const PaintedControls& controls, QAccessible::Role role)
        : QAccessibleWidget(widget, role), controls_(controls), painted_(*this) {
        widget->installEventFilter(&painted_);
    }

    std::vector<PaintedControl> Controls() const { return controls_.Controls(); }
    QWidget* Widget() const { return widget(); }
    // Window units to the screen, as rect() reports.
    QRect ToScreen(const QRect& r) const { return QRect(widget()->mapToGlobal(r.topLeft()), r.size()); }

    int childCount() const override { return int(Controls().size()) + int(OwnShown().size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The indexes of Qt's own children a reader is given: not the widgets a painted
    // control is drawn with, not empty labels, not bare layers such as the focus frame's.
    std::vector<int> OwnShown() const;

    // Tells the assistive technology what changed since it last looked: names,
    // descriptions, checked states, the keyboard's frame, the number of controls.
    void Follow();

private:
    // What is told when it changes, of a control and of its lines.
    struct Seen {
        QString name, description;
        bool checked = false, focused = false;
        std::vector<Seen> items;
    };
    static std::vector<Seen> Look(const std::vector<PaintedControl>& controls);
    void Compare(QAccessibleInterface* child, const Seen& was, const Seen& is) const;

    // A painted window repaints whatever of its controls changed: that is when to look.
    class Painted final : public QObject {
    public:
        explicit Painted(PaintedWindowAccessible& owner) : owner_(owner) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && QAccessible::isActive()) owner_.Follow();
            return false;
        }

    private:
        PaintedWindowAccessible& owner_;
    };

    const PaintedControls& controls_;
    mutable ChildSet children_;
    Painted painted_;
    std::optional<std::vector<Seen>> seen_;  // none until the first look
};

// One painted control, or one line of a painted list. It holds no copy of the control:
// every question reads the window's controls as they are now.
class ControlAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ControlAccessible(const PaintedWindowAccessible& window, const ControlAccessible* list, int index)
        : window_(window), list_(list), index_(index) {}

    std::optional<PaintedControl> Find() const {
        std::vector<PaintedControl> all = window_.Controls();
        const int at = list_ ? list_->index_ : index_;
        if (at < 0 || at >= int(all.size())) return std::nullopt;
        if (!list_) return std::move(all[size_t(at)]);
        std::vector<PaintedControl>& items = all[size_t(at)].items;
        if (index_ >= int(items.size())) return std::nullopt;
        return std::move(items[size_t(index_)]);
    }

    bool isValid() const override { return window_.isValid() && Find().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_.window(); }
    QAccessibleInterface* parent() const override {
        return list_ ? static_cast<QAccessibleInterface*>(const_cast<ControlAccessible*>(list_))
                     : const_cast<PaintedWindowAccessible*>(&window_);
    }
    int childCount() const override {
        const std::optional<PaintedControl> c = list_ ? std::nullopt : Find();
        return c ? int(c->items.size()) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (list_ || index < 0 || index >= childCount()) return nullptr;
        return items_.At(index, [this](int i) { return new ControlAccessible(window_, this, i); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int i = items_.IndexOf(child);
        return i < childCount() ? i : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const std::optional<PaintedControl> c = list_ ? std::nullopt : Find();
        if (c)
            for (size_t i = 0; i < c->items.size(); ++i)
                if (window_.ToScreen(c->items[i].rect).contains(x, y)) return child(int(i));
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        const std::optional<PaintedControl> c = Find();
        if (!c) return {};
        if (t == QAccessible::Name) return c->name;
        if (t == QAccessible::Description) return c->description;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const std::optional<PaintedControl> c = Find();
        return c ? window_.ToScreen(c->rect) : QRect();
    }
    QAccessible::Role role() const override {
        const std::optional<PaintedControl> c = Find();
        return c ? c->role : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const std::optional<PaintedControl> c = Find();
        if (!c) {
            s.invalid = true;
            return s;
        }
        s.invisible = !window_.Widget()->isVisible();
        s.focusable = bool(c->press);
        s.focused = c->focused;
        s.checkable = c->checkable;
        s.checked = c->checked;
        s.linked = c->role == QAccessible::Link;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        const std::optional<PaintedControl> c = Find();
        if (!c || !c->press) return {};
        return {c->checkable ? QAccessibleActionInterface::toggleAction() : QAccessibleActionInterface::pressAction()};
    }
    void doAction(const QString& name) override {
        const std::optional<PaintedControl> c = Find();
        if (!c || !c->press ||
            (name != QAccessibleActionInterface::pressAction() && name != QAccessibleActionInterface::toggleAction()))
            return;
        // After the reply: a press that opens a modal window would otherwise keep the
        // screen reader waiting until that window closes.
        QTimer::singleShot(0, window_.Widget(), c->press);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const PaintedWindowAccessible& window_;
    const ControlAccessible* list_;  // the list this is a line of; none for a control
    int index_;
    mutable ChildSet items_;  // a list's lines
};

int ChildSet::IndexOf(const QAccessibleInterface* child) const {
    for (size_t i = 0; i < kids_.size(); ++i)
        if (kids_[i] == child) return int(i);
    return -1;
}

std::vector<int> PaintedWindowAccessible::OwnShown() const {
    std::vector<const QObject*> drawn;
    for (const PaintedControl& c : Controls()) drawn.insert(drawn.end(), c.drawnWith.begin(), c.drawnWith.end());
    std::vector<int> shown;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface* own = QAccessibleWidget::child(i);
        if (!own) continue;
        if (std::find(drawn.begin(), drawn.end(), own->object()) != drawn.end()) continue;
        const bool said =
            !own->text(QAccessible::Name).trimmed().isEmpty() || !own->text(QAccessible::Description).trimmed().isEmpty();
        if (!said && own->childCount() == 0) continue;
        shown.push_back(i);
    }
    return shown;
}

QAccessibleInterface* PaintedWindowAccessible::child(int index) const {
    const int painted = int(Controls().size());
    if (index < 0) return nullptr;
    if (index >= painted) {
        const std::vector<int> shown = OwnShown();
        return index - painted < int(shown.size()) ? QAccessibleWidget::child(shown[size_t(index - painted)]) : nullptr;
    }
    return children_.At(index, [this](int i) { return new ControlAccessible(*this, nullptr, i); });
}

int PaintedWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int painted = int(Controls().size());
    const int i = children_.IndexOf(child);
    if (i >= 0) return i < painted ? i : -1;
    const std::vector<int> shown = OwnShown();
    const auto at = std::find(shown.begin(), shown.end(), QAccessibleWidget::indexOfChild(child));
    return at == shown.end() ? -1 : painted + int(at - shown.begin());
}

QAccessibleInterface* PaintedWindowAccessible::childAt(int x, int y) const {
    const std::vector<PaintedControl> all = Controls();
    for (size_t i = 0; i < all.size(); ++i)
        if (ToScreen(all[i].rect).contains(x, y)) return child(int(i));
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* PaintedWindowAccessible::focusChild() const {
    const std::vector<PaintedControl> all = Controls();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].focused) return child(int(i));
        for (size_t j = 0; j < all[i].items.size(); ++j)
            if (all[i].items[j].focused) return child(int(i))->child(int(j));
    }
    return QAccessibleWidget::focusChild();
}

std::vector<PaintedWindowAccessible::Seen> PaintedWindowAccessible::Look(const std::vector<PaintedControl>& controls) {
    std::vector<Seen> seen;
    for (const PaintedControl& c : controls) seen.push_back({c.name, c.description, c.checked, c.focused, Look(c.items)});
    return seen;
}

void PaintedWindowAccessible::Compare(QAccessibleInterface* child, const Seen& was, const Seen& is) const {
    if (was.name != is.name) {
        QAccessibleEvent e(child, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    if (was.description != is.description) {
        QAccessibleEvent e(child, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&e);
    }
    if (was.checked != is.checked) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent e(child, changed);
        QAccessible::updateAccessibility(&e);
    }
    // The frame moving in a window in the background is nobody's focus.
    if (is.focused && !was.focused && widget()->isActiveWindow()) {
        QAccessibleEvent e(child, QAccessible::Focus);
        QAccessible::updateAccessibility(&e);
    }
    if (was.items.size() != is.items.size()) {
        QAccessibleEvent e(child, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&e);
    }
    for (size_t j = 0; j < std::min(was.items.size(), is.items.size()); ++j)
        Compare(child->child(int(j)), was.items[j], is.items[j]);
}

void PaintedWindowAccessible::Follow() {
    std::vector<Seen> now = Look(Controls());
    if (seen_ && seen_->size() != now.size()) {
        QAccessibleEvent e(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&e);
    }
    if (seen_)
        for (size_t i = 0; i < std::min(seen_->size(), now.size()); ++i) Compare(child(int(i)), (*seen_)[i], now[i]);
    seen_ = std::move(now);
}

// --- Announcements -------------------------------------------------------------------

// The last announcement of a window: a notification whose name is the text.
class Announcement final : public QObject {
public:
    explicit Announcement(QObject* window) : QObject(window) {}
    QString text;
};

class AnnouncementAccessible final : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(Announcement* a) : QAccessibleObject(a) {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcement*>(object())->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* a = dynamic_cast<Announcement*>(object)) return new AnnouncementAccessible(a);
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* controls = dynamic_cast<const PaintedControls*>(object);
    if (!widget || !controls) return nullptr;
    const QAccessible::Role role = qobject_cast<QDialog*>(widget) ? QAccessible::Dialog
                                   : widget->isWindow()           ? QAccessible::Window
                                                                  : QAccessible::Client;
    return new PaintedWindowAccessible(widget, *controls, role);
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

void Announce(QWidget* window, const QString& text) {
    if (!window) return;
    Announcement* a = nullptr;
    for (QObject* child : window->children())
        if ((a = dynamic_cast<Announcement*>(child))) break;
    if (!a) a = new Announcement(window);
    a->text = text;
    // Qt's AT-SPI bridge passes a notification's showing on, which Orca speaks; the
    // alert is what the other platforms' bridges announce.
    QAccessibleEvent shown(a, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(a, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace tesseron
