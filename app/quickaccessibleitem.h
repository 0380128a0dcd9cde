#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QQuickItem;

// What assistive technology sees of a Qt Quick item: Qt's own interface, plus the item's
// enabled state, which Qt Quick (6.4) never reports, and names without markup. A screen-reader
// user must hear that a button drawn greyed out cannot be pressed, and hear "Notice", not
// "less-than b greater-than". install() puts it in front of Qt's factory.
class QuickAccessibleItem : public QAccessibleInterface
{
public:
    QuickAccessibleItem(QQuickItem *item, QAccessibleInterface *inner);
    ~QuickAccessibleItem() override;

    // Once per process; later calls do nothing.
    static void install();
    // A text as a screen reader should speak it: tags and entities of rich text resolved,
    // line breaks and runs of white space as single spaces. Names and descriptions of every
    // item pass through here, whatever a page put in them.
    static QString plainText(const QString &text);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QColor foregroundColor() const override;
    QColor backgroundColor() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

private:
    QPointer<QQuickItem> m_item;
    QAccessibleInterface *m_inner;
    QAccessible::Id m_innerId;
};
