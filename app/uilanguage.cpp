#include "app/uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QQmlEngine>
#include <QSettings>
#include <QTranslator>

namespace {
const QString languageKey = QStringLiteral("Language");

// Debian's Qt has no Norwegian Bokmål catalogue: the dialog buttons this program shows are
// translated in its own catalogues under Qt's context, where Qt looks them up.
[[maybe_unused]] const char *const kQtButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),     QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),  QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"), QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
};
}

UiLanguage::UiLanguage(QObject *parent)
    : QObject(parent)
    , m_locale(QLocale::system())
{
}

UiLanguage::~UiLanguage()
{
    // Destroyed with the application, which forgets its translators by itself.
    if (!QCoreApplication::instance())
        return;
    if (m_own)
        QCoreApplication::removeTranslator(m_own.get());
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
}

UiLanguage *UiLanguage::instance()
{
    static QPointer<UiLanguage> s_instance;
    if (!s_instance)
        s_instance = new UiLanguage(QCoreApplication::instance());
    return s_instance;
}

UiLanguage *UiLanguage::create(QQmlEngine *qmlEngine, QJSEngine *)
{
    UiLanguage *language = instance();
    // Shared by every engine of the process and owned by the application.
    QJSEngine::setObjectOwnership(language, QJSEngine::CppOwnership);
    language->addEngine(qmlEngine);
    return language;
}

void UiLanguage::addEngine(QQmlEngine *engine)
{
    if (engine && !m_engines.contains(engine))
        m_engines.append(engine);
}

UiLanguage::Choice UiLanguage::choiceForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    // Nynorsk readers read Bokmål more readily than English.
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        return NorwegianBokmal;
    case QLocale::German:
        return German;
    default:
        return English;
    }
}

QString UiLanguage::codeOf(Choice choice)
{
    switch (choice) {
    case NorwegianBokmal: return QStringLiteral("nb");
    case German: return QStringLiteral("de");
    default: return QStringLiteral("en");
    }
}

int UiLanguage::choiceFromCode(const QString &code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("system")) return System;
    if (c == QLatin1String("en")) return English;
    if (c == QLatin1String("nb") || c == QLatin1String("no")) return NorwegianBokmal;
    if (c == QLatin1String("de")) return German;
    return -1;
}

void UiLanguage::applyStored()
{
    const int stored = choiceFromCode(QSettings().value(languageKey, QStringLiteral("system")).toString());
    apply(stored < 0 ? System : Choice(stored));
}

void UiLanguage::setChoice(Choice choice)
{
    QSettings().setValue(languageKey, choice == System ? QStringLiteral("system") : codeOf(choice));
    apply(choice);
}

void UiLanguage::apply(Choice choice)
{
    const Choice effective = choice == System ? choiceForLocale(QLocale::system()) : choice;
    const bool changed = choice != m_choice || effective != m_effective || !m_own;
    m_choice = choice;
    if (!changed)
        return;
    load(effective);
    for (const QPointer<QQmlEngine> &engine : std::as_const(m_engines)) {
        if (engine)
            engine->retranslate();
    }
    emit choiceChanged();
}

void UiLanguage::load(Choice effective)
{
    m_effective = effective;
    // The system's own locale keeps its territory and formats when it speaks the language shown.
    if (choiceForLocale(QLocale::system()) == effective)
        m_locale = QLocale::system();
    else
        m_locale = effective == English ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(codeOf(effective));
    QLocale::setDefault(m_locale);

    if (m_own)
        QCoreApplication::removeTranslator(m_own.get());
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    m_own = std::make_unique<QTranslator>();
    m_qt = std::make_unique<QTranslator>();
    if (effective == English)
        return;
    const QString code = codeOf(effective);
    if (m_own->load(QStringLiteral(":/i18n/quorvik_%1.qm").arg(code)))
        QCoreApplication::installTranslator(m_own.get());
    else
        qWarning().noquote() << "No catalogue for language " + code;
    // Qt's own texts (dialog buttons, file dialogs): "qt_" includes the module catalogues;
    // some systems have only qtbase_.
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qt->load(QStringLiteral("qt_") + code, dir) || m_qt->load(QStringLiteral("qtbase_") + code, dir))
        QCoreApplication::installTranslator(m_qt.get());
}

QStringList UiLanguage::choiceNames() const
{
    // The languages go by their own names, so that each can be found whatever is shown now.
    return { tr("System"), QStringLiteral("English"), QStringLiteral("Norsk bokmål"), QStringLiteral("Deutsch") };
}

QString UiLanguage::code() const
{
    return codeOf(m_effective);
}
