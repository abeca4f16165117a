#pragma once
// How a screen reader sees the skinned controls. They paint their own
// pictures, so Qt alone would show each as one nameless box: an image map
// becomes a group of push buttons, one per area, named by the area's hint,
// and the slider a slider with its value. Parts of a widget that are no
// widgets themselves (an area, a board cell) are TAccessibleItem children
// that a parent interface makes on demand through TAccessibleItems.
//
// The interfaces are found through a factory that
// InstallControlAccessibility adds to Qt once; events tell the reader of
// changes (NotifyAccessible*) and cost nothing while no reader listens.

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

void InstallControlAccessibility();

// A part of owner, the index-th child of owner's interface. Invalid once the
// owner is gone or has fewer than index + 1 parts.
class TAccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TAccessibleItem(QWidget* owner, int index) : Owner(owner), Index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    // The number of parts the owner has now.
    virtual int PartCount() const = 0;
    // The part's rectangle in the owner's coordinates.
    virtual QRect PartRect() const = 0;
    // What a click on the part does; only called while valid.
    virtual void Press() = 0;

    QPointer<QWidget> Owner;
    int Index;
};

// The children of one parent interface, made when first asked for and
// deleted with the parent, so an index keeps its id while the parent lives.
class TAccessibleItems {
public:
    using TMake = std::function<TAccessibleItem*(int index)>;
    explicit TAccessibleItems(TMake make) : Make(std::move(make)) {}
    ~TAccessibleItems();
    TAccessibleItems(const TAccessibleItems&) = delete;
    TAccessibleItems& operator=(const TAccessibleItems&) = delete;

    QAccessibleInterface* Item(int index) const;
    int IndexOf(const QAccessibleInterface* item) const;

private:
    TMake Make;
    mutable std::vector<QAccessible::Id> Ids;
};

// Tell a listening reader that the index-th part of widget changed its name,
// took the focus (only while widget has it), or that widget's value changed.
void NotifyAccessibleName(QWidget& widget, int index);
void NotifyAccessibleFocus(QWidget& widget, int index);
void NotifyAccessibleValue(QWidget& widget, int value);
// Call from widget's focus-in handler: once Qt has told the reader that the
// widget took the focus, tells it which part has it (currentPart(), asked
// then; -1 for none), so the reader names that part, not the whole.
void NotifyAccessibleFocusIn(QWidget& widget, std::function<int()> currentPart);
