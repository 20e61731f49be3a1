#pragma once

#include "print/PrintSurface.h"

#include <QColor>
#include <QFont>
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <ostream>

// What a print job drew, page by page.
struct PrintRecord {
    struct Text {
        int page; // 1 for the first page
        QPoint at;
        QString text;
        bool operator==(const Text &other) const
        {
            return page == other.page && at == other.at && text == other.text;
        }
    };
    int jobsBegun = 0;
    int jobsEnded = 0;
    int pages = 0; // pages of the job begun last
    QFont font;
    QColor color;
    QList<Text> texts; // of the job begun last

    QStringList Texts() const;
    // The texts of each page, the first page first.
    QList<QStringList> PageTexts() const;
};

// How a failing expectation shows a drawn text.
void PrintTo(const PrintRecord::Text &text, std::ostream *out);
void PrintTo(const QString &text, std::ostream *out);

// A surface with simple fixed metrics that draws nothing: each UTF-16 unit is CharWidth wide,
// every text and the font's cell TextHeight high, the average character CharWidth wide.
class FixedMetricsSurface : public PrintSurface {
public:
    static constexpr int CharWidth = 10;
    static constexpr int TextHeight = 20;

    explicit FixedMetricsSurface(QSize page) : m_page(page) {}
    QSize PrintableSize() const override { return m_page; }
    void SetFont(const QFont &, const QColor &) override {}
    int CellHeight() const override { return TextHeight; }
    int AverageCharWidth() const override { return CharWidth; }
    QSize MeasureText(const QString &text) const override { return QSize(int(text.size()) * CharWidth, TextHeight); }
    void DrawText(const QPoint &, const QString &) override {}
    void NewPage() override {}
    void EndJob() override {}

private:
    QSize m_page;
};

// Passes every operation on to another surface and records what was drawn.
class TracingSurface : public PrintSurface {
public:
    TracingSurface(PrintRecord &record, std::unique_ptr<PrintSurface> surface);
    QSize PrintableSize() const override { return m_surface->PrintableSize(); }
    void SetFont(const QFont &font, const QColor &color) override;
    int CellHeight() const override { return m_surface->CellHeight(); }
    int AverageCharWidth() const override { return m_surface->AverageCharWidth(); }
    QSize MeasureText(const QString &text) const override { return m_surface->MeasureText(text); }
    void DrawText(const QPoint &topLeft, const QString &text) override;
    void NewPage() override;
    void EndJob() override;

private:
    PrintRecord &m_record;
    std::unique_ptr<PrintSurface> m_surface;
};

// Hands the program recording surfaces with fixed metrics while it lives.
class RecordingPrinter {
public:
    explicit RecordingPrinter(QSize page = QSize(2000, 100000));
    ~RecordingPrinter();
    PrintRecord record;
};

// Points libcups at the scheduler behind the given socket while it lives, with no printer
// chosen through the environment.
class CupsServerOverride {
public:
    explicit CupsServerOverride(const QString &socket);
    ~CupsServerOverride();

private:
    struct Saved {
        const char *name;
        bool set;
        QByteArray value;
    };
    QList<Saved> m_saved;
};
