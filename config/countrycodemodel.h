#pragma once

#include "config/countryrow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <functional>

// The maritime identification digits the wizard may program, read from "Country.txt".
class CountryCodeModel : public QAbstractTableModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Global instance")

public:
    enum Column { CodeColumn = 0, CountryColumn = 1 };
    Q_ENUM(Column)

    // Longest country file accepted; the real list is a few kilobytes.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    explicit CountryCodeModel(QObject *parent);

    static CountryCodeModel *instance(QObject *parent);

    Q_INVOKABLE int selectedIndex() const { return m_selectedIndex; }
    Q_INVOKABLE void selectCountry(int nCountryCode);
    Q_INVOKABLE static bool isCountryUsa(int nCode);
    Q_INVOKABLE static bool isCountryAustralia(int nCode);
    Q_INVOKABLE static bool isCountryNewZealand(int nCode);
    Q_INVOKABLE static bool isCountrySpainorItaly(int nCode);
    Q_INVOKABLE static bool isCountryNorway(int nCode);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Replaces all rows with folder/Country.txt; true when the file gave at least one row.
    bool loadCountryList(const QString &folder, const QString &preselectName);
    static QList<CountryRow> parseCountryFile(const QString &path);
    QString countryLabelText(int code) const;
    // The name of a code as the loaded list gives it (the first row of it), empty when not
    // listed; a copy, for decoders that know no country list of their own.
    std::function<QString(int)> nameLookup() const;

    const QList<CountryRow> &rows() const { return m_rows; }

private:
    static QPointer<CountryCodeModel> s_instance;

    QList<CountryRow> m_rows;
    int m_selectedIndex = -1;
};
