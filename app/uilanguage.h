#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <memory>

class QQmlEngine;
class QJSEngine;
class QTranslator;

// The language of the window: the system's at start, or the one chosen in Options (setting
// "Language"). A change takes effect at once: the catalogues are swapped and every engine
// that has used this singleton re-evaluates its texts. quorvik-cli never loads it and so
// stays English.
class UiLanguage : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(Choice choice READ choice WRITE setChoice NOTIFY choiceChanged)
    // Names for the Options list, in Choice order; each language by its own name.
    Q_PROPERTY(QStringList choiceNames READ choiceNames NOTIFY choiceChanged)
    // "en", "nb" or "de": what is shown now.
    Q_PROPERTY(QString code READ code NOTIFY choiceChanged)

public:
    enum Choice { System, English, NorwegianBokmal, German };
    Q_ENUM(Choice)

    static UiLanguage *instance();
    static UiLanguage *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);
    ~UiLanguage() override;

    // Applies the stored choice (System when none).
    void applyStored();
    Choice choice() const { return m_choice; }
    // Applies and stores the choice.
    void setChoice(Choice choice);
    // Applies without storing (quorvik-screens, tests).
    void apply(Choice choice);
    QStringList choiceNames() const;
    QString code() const;
    // The locale dates and numbers are shown in.
    QLocale locale() const { return m_locale; }
    // Texts made from now on are re-evaluated in this engine when the language changes.
    void addEngine(QQmlEngine *engine);

    // The language a system locale maps to: English for any language without a catalogue.
    static Choice choiceForLocale(const QLocale &locale);
    // "nb", "de" or "en" for a choice other than System.
    static QString codeOf(Choice choice);
    // From the stored text or a command-line word ("nb", "de", "en", "system"); -1 when unknown.
    static int choiceFromCode(const QString &code);

signals:
    void choiceChanged();

private:
    explicit UiLanguage(QObject *parent);
    void load(Choice effective);

    Choice m_choice = System;
    Choice m_effective = English;
    QLocale m_locale;
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
    QList<QPointer<QQmlEngine>> m_engines;
};
