#include "quickaccessibleitem.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// Set while Qt's own interface of an item is made, so that the factory below steps aside.
thread_local bool makingInner = false;
// After the application object is gone Qt's interface cache may be gone too.
bool applicationGone = false;

QAccessibleInterface *quickItemFactory(const QString &className, QObject *object)
{
    auto *item = qobject_cast<QQuickItem *>(object);
    // Only at the item's own class: the lookup walks up the class chain and Qt's factory
    // answers at "QQuickItem", later than this.
    if (!item || makingInner || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    makingInner = true;
    QAccessibleInterface *inner = QAccessible::queryAccessibleInterface(object);
    makingInner = false;
    if (!inner)
        return nullptr;
    return new QuickAccessibleItem(item, inner);
}

}

QuickAccessibleItem::QuickAccessibleItem(QQuickItem *item, QAccessibleInterface *inner)
    : m_item(item)
    , m_inner(inner)
    , m_innerId(QAccessible::uniqueId(inner))
{
}

QuickAccessibleItem::~QuickAccessibleItem()
{
    // Qt's interface stays registered under its own id; it goes with this one.
    if (!applicationGone)
        QAccessible::deleteAccessibleInterface(m_innerId);
}

void QuickAccessibleItem::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(quickItemFactory);
    qAddPostRoutine([] { applicationGone = true; });
}

QString QuickAccessibleItem::plainText(const QString &text)
{
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#x[0-9A-Fa-f]+|[A-Za-z]+);"));
    QString plain = text;
    if (Qt::mightBeRichText(text) || text.contains(entity))
        plain = QTextDocumentFragment::fromHtml(text).toPlainText();
    plain.replace(QChar::Nbsp, QLatin1Char(' '));
    // Object replacement characters stand for pictures in the rich text.
    plain.remove(QChar::ObjectReplacementCharacter);
    return plain.simplified();
}

bool QuickAccessibleItem::isValid() const
{
    return m_item && m_inner->isValid();
}

QObject *QuickAccessibleItem::object() const
{
    return m_inner->object();
}

QWindow *QuickAccessibleItem::window() const
{
    return m_inner->window();
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
QuickAccessibleItem::relations(QAccessible::Relation match) const
{
    return m_inner->relations(match);
}

QAccessibleInterface *QuickAccessibleItem::focusChild() const
{
    return m_inner->focusChild();
}

QAccessibleInterface *QuickAccessibleItem::childAt(int x, int y) const
{
    return m_inner->childAt(x, y);
}

QAccessibleInterface *QuickAccessibleItem::parent() const
{
    return m_inner->parent();
}

QAccessibleInterface *QuickAccessibleItem::child(int index) const
{
    return m_inner->child(index);
}

int QuickAccessibleItem::childCount() const
{
    return m_inner->childCount();
}

int QuickAccessibleItem::indexOfChild(const QAccessibleInterface *child) const
{
    return m_inner->indexOfChild(child);
}

QString QuickAccessibleItem::text(QAccessible::Text type) const
{
    const QString text = m_inner->text(type);
    if (type == QAccessible::Name || type == QAccessible::Description)
        return plainText(text);
    return text;
}

void QuickAccessibleItem::setText(QAccessible::Text type, const QString &text)
{
    m_inner->setText(type, text);
}

QRect QuickAccessibleItem::rect() const
{
    return m_inner->rect();
}

QAccessible::Role QuickAccessibleItem::role() const
{
    return m_inner->role();
}

QAccessible::State QuickAccessibleItem::state() const
{
    QAccessible::State state = m_inner->state();
    if (m_item && !m_item->isEnabled()) {
        state.disabled = true;
        state.focusable = false;
    }
    return state;
}

QColor QuickAccessibleItem::foregroundColor() const
{
    return m_inner->foregroundColor();
}

QColor QuickAccessibleItem::backgroundColor() const
{
    return m_inner->backgroundColor();
}

void *QuickAccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    return m_inner->interface_cast(type);
}
