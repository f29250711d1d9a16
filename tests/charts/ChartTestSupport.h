#pragma once
// Chart tests: a private chart folder for each test, a prompter that answers
// from queues, and a host like the main window that hands the panel its item
// list and records every event the panel raises, in order.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "AppPaths.h"
#include "ChartFile.h"
#include "QtPrinters.h"
#include "RecordingPrompter.h"
#include "ctlChartControls.h"

namespace charttest {

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// Owner's write bit off: the chart layer leaves such a file alone, even for root.
inline void MakeReadOnly(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

inline QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

// A chart path as "Charts/<name>.cht", whatever the temporary folder is.
inline QString Short(const QString& path) {
    QString s = path;
    s.replace(ChartFile::ChartFolder(), QStringLiteral("Charts/"));
    return s;
}

class RecordingHost : public QObject {
public:
    explicit RecordingHost(ctlChartControls& panel) : panel(panel) {
        const auto direct = Qt::DirectConnection;
        connect(&panel, &ctlChartControls::ChartSelected, this, [this] { events << "ChartSelected"; }, direct);
        connect(&panel, &ctlChartControls::OnNoChart, this, [this] { events << "OnNoChart"; }, direct);
        connect(&panel, &ctlChartControls::ShowChartText, this,
                [this](const QString& t) { events << "ShowChartText(" + t + ")"; }, direct);
        connect(&panel, &ctlChartControls::OnChartClick, this, [this](const QString& f, const QString& n) {
            events << "OnChartClick(" + Short(f) + "," + n + ")";
        }, direct);
        connect(&panel, &ctlChartControls::OnChartView, this, [this](const QString& f, const QString& n) {
            events << "OnChartView(" + Short(f) + "," + n + ")";
        }, direct);
        connect(&panel, &ctlChartControls::ShowChartMap, this, [this](const QString& notes, bool flag, bool root) {
            events << QStringLiteral("ShowChartMap(%1,%2,%3)").arg(notes, flag ? "True" : "False", root ? "True" : "False");
        }, direct);
        connect(&panel, &ctlChartControls::ShowChartScale, this,
                [this](const QString& c) { events << "ShowChartScale(" + c + ")"; }, direct);
        connect(&panel, &ctlChartControls::ShowChartChord, this,
                [this](const QString& c) { events << "ShowChartChord(" + c + ")"; }, direct);
    }

    // The main window's start-up: hand over the list, then the remembered chart.
    void Start(const QString& startChart = QString()) {
        items.resize(300, 200);
        items.show();
        panel.show();
        panel.SetLstItems(&items);
        panel.SetStartChart(startChart);
    }

    QStringList Take() {
        QStringList taken = events;
        events.clear();
        return taken;
    }

    // A user's click on an entry of a list.
    static void Click(QListWidget& list, int row) {
        const QRect rect = list.visualItemRect(list.item(row));
        ASSERT_FALSE(rect.isEmpty()) << "row " << row << " not shown";
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    void ClickChart(const QString& name) {
        const QList<QListWidgetItem*> found = panel.lstCharts()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        Click(*panel.lstCharts(), panel.lstCharts()->row(found[0]));
    }
    void ClickItem(int row) { Click(items, row); }

    ctlChartControls& panel;
    QListWidget items;
    QStringList events;
};

// A private chart folder ("Charts/" in a fresh data folder) for each test.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataDir.isValid());
        AppPaths::SetAppFolder(dataDir.path());
        folder = ChartFile::ChartFolder();
    }

    QString Path(const QString& name) const { return ChartFile::PathOf(folder, name); }
    void Write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(folder);
        WriteBytes(Path(name), bytes);
    }
    QByteArray Read(const QString& name) const { return ReadBytes(Path(name)); }
    // Everything in the data folder, below it too, as relative paths.
    QStringList AllFiles() const {
        QStringList files;
        QDir root(dataDir.path());
        const QFileInfoList infos = [&] {
            QFileInfoList out;
            QList<QDir> pending{root};
            while (!pending.isEmpty()) {
                const QDir d = pending.takeFirst();
                for (const QFileInfo& fi :
                     d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
                    out << fi;
                    if (fi.isDir()) pending << QDir(fi.filePath());
                }
            }
            return out;
        }();
        for (const QFileInfo& fi : infos) files << root.relativeFilePath(fi.filePath());
        files.sort();
        return files;
    }

    QTemporaryDir dataDir;
    QString folder;
    RecordingPrompter prompter;
};

}  // namespace charttest
