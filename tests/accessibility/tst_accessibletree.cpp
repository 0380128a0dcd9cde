// What a screen reader finds in the window: for every page quorvik-screens shows, the
// accessible tree (QAccessible, as the platform bridge reads it) is walked and every node a
// user acts on or reads is checked for role, plain-text name, state and uniqueness.
#include "app/applicationidentity.h"
#include "app/epirbapp.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include "beaconsimulator.h"
#include "screenstage.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {

// Documents a page would open are only noted.
class DesktopSink : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &) { }
};

struct Node
{
    QAccessibleInterface *iface = nullptr;
    QQuickItem *item = nullptr;
    QString path;
};

// Roles of things a user presses, types into, chooses or reads.
bool isUserFacing(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::StaticText:
    case QAccessible::Heading:
    case QAccessible::Link:
    case QAccessible::Graphic:
    case QAccessible::Cell:
    case QAccessible::ColumnHeader:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::PageTab:
    case QAccessible::ProgressBar:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

bool isActedOn(QAccessible::Role role)
{
    return role == QAccessible::Button || role == QAccessible::CheckBox || role == QAccessible::RadioButton
           || role == QAccessible::ComboBox || role == QAccessible::PageTab;
}

QString describe(QQuickItem *item)
{
    if (!item)
        return QStringLiteral("?");
    const QString name = item->objectName();
    QString type = QString::fromLatin1(item->metaObject()->className());
    type = type.section(QLatin1Char('_'), 0, 0);
    return name.isEmpty() ? type : type + QLatin1Char('#') + name;
}

void collect(QAccessibleInterface *iface, const QString &path, QList<Node> &nodes, int depth)
{
    if (!iface || depth > 80)
        return;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || !child->isValid())
            continue;
        auto *item = qobject_cast<QQuickItem *>(child->object());
        const QString here = path + QLatin1Char('/') + describe(item);
        nodes.append({ child, item, here });
        collect(child, here, nodes, depth + 1);
    }
}

// Seen by the eye: shown, not fully transparent along the way up, and of some size.
bool seen(QQuickItem *item)
{
    if (!item || !item->isVisible() || !item->window() || !item->window()->isVisible())
        return false;
    for (QQuickItem *up = item; up; up = up->parentItem()) {
        if (qFuzzyIsNull(up->opacity()))
            return false;
    }
    // Without a size of its own an item takes its implicit size or, failing that, its parent's.
    QSizeF size(item->width(), item->height());
    if (size.isEmpty())
        size = QSizeF(item->implicitWidth(), item->implicitHeight());
    if (size.isEmpty() && item->parentItem())
        size = item->parentItem()->size();
    return int(size.width()) > 0 || int(size.height()) > 0;
}

// The tag a marked cell is heard with, from the table control around the view.
QString markTextOf(QQuickItem *view)
{
    for (QQuickItem *up = view; up; up = up->parentItem()) {
        const QVariant text = up->property("markText");
        if (text.isValid())
            return text.toString();
    }
    return QString();
}

QQuickItem *tableOf(QQuickItem *item)
{
    for (QQuickItem *up = item ? item->parentItem() : nullptr; up; up = up->parentItem()) {
        if (up->inherits("QQuickTableView"))
            return up;
    }
    return nullptr;
}

bool isAncestor(QQuickItem *maybeAncestor, QQuickItem *item)
{
    for (QQuickItem *up = item ? item->parentItem() : nullptr; up; up = up->parentItem()) {
        if (up == maybeAncestor)
            return true;
    }
    return false;
}

const QRegularExpression &markup()
{
    // HTML tags and entities (a URL in angle brackets is text, not markup).
    static const QRegularExpression re(
        QStringLiteral("<\\s*/?\\s*(b|i|u|s|br|p|div|span|font|a|em|strong|small|big|sup|sub|center|pre|tt|h[1-6]"
                       "|ul|ol|li|table|tr|td|th|img|hr|html|body|head|style)\\b[^>]*>"
                       "|&(nbsp|amp|lt|gt|quot|apos|#[0-9]+|#x[0-9A-Fa-f]+);"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

// Everything wrong with the tree of one window, one line each.
QStringList problemsOf(QQuickWindow *window)
{
    QStringList problems;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return { QStringLiteral("the window has no accessible interface") };
    QList<Node> nodes;
    collect(root, QString(), nodes, 0);
    if (nodes.size() < 5)
        problems << QStringLiteral("only %1 accessible nodes in the window").arg(nodes.size());

    QList<Node> fields;
    QSet<QAccessibleInterface *> listed;
    for (const Node &node : std::as_const(nodes)) {
        QAccessibleInterface *iface = node.iface;
        if (listed.contains(iface)) {
            problems << node.path + QStringLiteral(": listed twice in the tree");
            continue;
        }
        listed.insert(iface);
        if (!node.item)
            continue;
        const QAccessible::Role role = iface->role();
        const QAccessible::State state = iface->state();
        const QString name = iface->text(QAccessible::Name);
        const QString description = iface->text(QAccessible::Description);
        const QString what = node.path + QStringLiteral(" (role %1, name \"%2\")").arg(int(role)).arg(name);

        // The state an assistive technology reads is the state the item is in.
        const bool shown = seen(node.item);
        if (state.invisible == shown)
            problems << what + (shown ? QStringLiteral(": shown but marked invisible")
                                      : QStringLiteral(": hidden but reported showing"));
        if (bool(state.disabled) == node.item->isEnabled())
            problems << what + (node.item->isEnabled() ? QStringLiteral(": enabled but reported disabled")
                                                       : QStringLiteral(": disabled but reported enabled"));
        if (!shown)
            continue;

        if (markup().match(name).hasMatch() || markup().match(description).hasMatch())
            problems << what + QStringLiteral(": markup in name or description \"%1\"").arg(description);
        if (name.contains(QStringLiteral("default tooltip")) || description.contains(QStringLiteral("default tooltip")))
            problems << what + QStringLiteral(": placeholder text");

        if (role == QAccessible::NoRole || (role == QAccessible::Client && !name.trimmed().isEmpty()))
            problems << what + QStringLiteral(": named but without a role");
        if (isUserFacing(role) && name.trimmed().isEmpty()) {
            // An empty text shows nothing to read.
            const bool emptyText = role == QAccessible::StaticText && node.item->property("text").toString().isEmpty();
            if (!emptyText)
                problems << what + QStringLiteral(": no name");
        }

        // What a user presses can be pressed without a mouse.
        if (isActedOn(role) && !state.disabled) {
            QAccessibleActionInterface *actions = iface->actionInterface();
            if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                problems << what + QStringLiteral(": no press action");
        }

        // A help button says what it explains and explains it.
        const bool helpButton = node.item->property("backgroundImage").toString().endsWith(QLatin1String("help.png"));
        if (helpButton && (!name.startsWith(QLatin1String("Help: ")) || name.size() <= 6 || description.trimmed().isEmpty()))
            problems << what + QStringLiteral(": a help button names what it explains and explains it");

        // A cell is the table's current cell at its place, showing what the model holds there.
        if (role == QAccessible::Cell) {
            QQuickItem *table = tableOf(node.item);
            const int row = node.item->property("row").toInt();
            const int column = node.item->property("column").toInt();
            QQuickItem *atCell = nullptr;
            if (table)
                QMetaObject::invokeMethod(table, "itemAtCell", Q_RETURN_ARG(QQuickItem *, atCell),
                                          Q_ARG(QPoint, QPoint(column, row)));
            if (!table || atCell != node.item || row >= table->property("rows").toInt())
                problems << what + QStringLiteral(": a cell the table does not show (row %1)").arg(row);
            else if (name != node.item->property("display").toString().simplified())
                problems << what + QStringLiteral(": name is not the cell's text");
            else if (description.isEmpty())
                problems << what + QStringLiteral(": the row is not read out");
            else if (node.item->property("marked").toBool() && !description.contains(markTextOf(table)))
                problems << what + QStringLiteral(": the row's tag is not read out with it");
        }
        if (role == QAccessible::EditableText)
            fields.append(node);
    }

    // One node per input: nothing around a field repeats the field's name, and no field sits in another.
    for (const Node &field : std::as_const(fields)) {
        const QString name = field.iface->text(QAccessible::Name);
        for (const Node &other : std::as_const(nodes)) {
            if (other.iface == field.iface || !other.item || other.iface->state().invisible)
                continue;
            if (!isAncestor(other.item, field.item) && !isAncestor(field.item, other.item))
                continue;
            if (other.iface->role() == QAccessible::EditableText)
                problems << field.path + QStringLiteral(": a field inside another field ") + other.path;
            else if (!name.isEmpty() && other.iface->text(QAccessible::Name) == name)
                problems << field.path + QStringLiteral(": the input \"") + name
                                + QStringLiteral("\" has a second node ") + other.path;
        }
    }
    problems.removeDuplicates();
    return problems;
}

}

class TestAccessibleTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyPageReadsRight_data();
    void everyPageReadsRight();

private:
    std::unique_ptr<BeaconSimulator> m_sim;
    std::unique_ptr<EpirbApp> m_app;
    bool m_appIsProduction = false;
    DesktopSink m_desktop;
};

void TestAccessibleTree::initTestCase()
{
    // As with a screen reader running: Qt Quick Controls only fill in roles and names then.
    QAccessible::setActive(true);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_desktop, "open");
    BeaconSimulator::Options options;
    options.syncIntervalMs = 500;
    options.resyncMs = 0;
    std::unique_ptr<EpirbConfig> config(ScreenStage::plbConfig(QStringLiteral("31337"), QStringLiteral("Kari Nordmann")));
    options.block = encodeDataBlock(*config);
    m_sim = std::make_unique<BeaconSimulator>(options);
    QVERIFY(m_sim->start());
}

void TestAccessibleTree::cleanupTestCase()
{
    m_app.reset();
    if (m_sim)
        m_sim->stop();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestAccessibleTree::everyPageReadsRight_data()
{
    QTest::addColumn<QVariantMap>("entry");
    const QVariantList pages = ScreenStage::pages();
    QVERIFY(!pages.isEmpty());
    // The desktop window first, then the production window: one controller each.
    for (const bool production : { false, true }) {
        for (const QVariant &page : pages) {
            const QVariantMap entry = page.toMap();
            if (ScreenStage::isProduction(entry) == production)
                QTest::newRow(qPrintable(ScreenStage::pictureName(entry).chopped(4))) << entry;
        }
    }
}

void TestAccessibleTree::everyPageReadsRight()
{
    QFETCH(QVariantMap, entry);
    const bool production = ScreenStage::isProduction(entry);
    if (!m_app || m_appIsProduction != production) {
        m_app.reset();
        QStringList args { QStringLiteral("comport=") + m_sim->devicePath() };
        if (production)
            args << QStringLiteral("production") << QStringLiteral("serialno=31337") << QStringLiteral("country=257");
        m_app = std::make_unique<EpirbApp>(args, nullptr, EpirbApp::Headless);
        m_appIsProduction = production;
    }
    ScreenStage stage;
    QVERIFY2(stage.open(entry, QSize(1250, 900)), qPrintable(stage.errorString()));
    const QString problem = stage.problem();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QStringList problems = problemsOf(stage.window());
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("\n  ") + problems.join(QStringLiteral("\n  "))));
}

int main(int argc, char **argv)
{
    // Settings, database and documents of the run live in a folder removed at the end.
    QTemporaryDir home;
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + QStringLiteral("/Documents")).toLocal8Bit());
    QApplication app(argc, argv);
    ApplicationIdentity::apply();
    ApplicationIdentity::installFonts();
    TestAccessibleTree test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibletree.moc"
