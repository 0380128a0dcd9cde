#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class EpirbConfig;
class EpirbMsgBase;
class QPainter;

// The one-page A4 programming report of a beacon configuration.
class pdfReport : public QObject
{
    Q_OBJECT

public:
    // 0 just programmed, 1 read back from a beacon, 2 from the database.
    enum Mode { Programmed = 0, Readback = 1, Database = 2 };

    explicit pdfReport(QObject *parent = nullptr);

    // True when the PDF was completed; an existing file is replaced only then.
    bool writeReport(int mode, const QString &filePath, const EpirbConfig &config);
    // Why the last writeReport() failed, for the technician.
    QString errorString() const { return m_error; }
    // Draws onto an active painter whose device is width x height pixels.
    bool drawReport(int mode, QPainter &painter, int width, int height, const EpirbConfig &config);

    // The national registration contact list the footer links to.
    static QString registrationLinkText();
    static QString registrationLinkUrl();

private:
    void drawHeader(QPainter &p, const QRect &box, const EpirbConfig &config);
    int drawProtocolBlock(QPainter &p, const QRect &rect, const EpirbConfig &config, const EpirbMsgBase &msg);
    void drawOwner(QPainter &p, const QRect &box, const EpirbConfig &config);
    void drawMiscellaneous(QPainter &p, const QRect &box, const EpirbConfig &config);
    void drawProgrammingData(QPainter &p, const QRect &box, const EpirbConfig &config);
    void drawFooter(QPainter &p, const QRect &area);

    int m_mode = Programmed;
    QString m_error;
};
