#include "ctlNeck.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

#include "AppSettings.h"
#include "KeyNames.h"
#include "NeckCodes.h"
#include "PlainText.h"
#include "SystemColors.h"
#include "Twips.h"
#include "modFunctions.h"

namespace {

// Geometry in twips; arrays by string number - 1 (string 1 = high e).
constexpr std::array<int16_t, 6> kStringX = {1550, 1300, 1050, 800, 550, 300};
constexpr std::array<int16_t, 6> kOpenNote = {64, 59, 55, 50, 45, 40};
constexpr std::array<int16_t, 6> kBarreLeftX = {0, 1390, 1140, 870, 630, 390};
constexpr std::array<int16_t, 6> kBarreRightX = {1460, 1230, 990, 730, 460, 0};
constexpr std::array<int16_t, 6> kStringNumberX = {1500, 1260, 1010, 760, 520, 270};
// The note-name row, by string 6 down to 1.
constexpr std::array<int16_t, 6> kTwoNameX = {200, 450, 690, 940, 1200, 1420};
constexpr std::array<int16_t, 6> kOneNameX = {270, 510, 750, 990, 1260, 1500};
constexpr int16_t kNoteRowY = 5010;
constexpr int kFretNumbersRight = 210;
constexpr int kStringNumbersY = 5170;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kInlay(200, 200, 200);

bool onString(int16_t stringNo) { return stringNo >= 1 && stringNo <= 6; }
size_t stringIndex(int16_t stringNo) { return static_cast<size_t>(stringNo - 1); }

// Marker Y (top of the marker cell) by fret; fret 3 sits 10 twips high.
int16_t markerY(int16_t fret) {
    if (fret == 0) return -10;
    if (fret == 3) return 590;
    return static_cast<int16_t>(fret * 200);
}

// X, Y and "MIDI|name" of a position; X, Y and the open note stay 0 off the neck.
void GetNotePosition(int16_t stringNo, int16_t fret, int16_t& x, int16_t& y, QString& result) {
    int16_t open = 0;
    x = 0;
    y = 0;
    if (onString(stringNo)) {
        x = kStringX[stringIndex(stringNo)];
        open = kOpenNote[stringIndex(stringNo)];
    }
    if (fret >= 0 && fret <= 24) y = markerY(fret);
    const auto midi = static_cast<int16_t>(open + fret);
    result = QString::number(midi) + QLatin1Char('|') +
             QString::fromStdString(modFunctions::GetNoteName(midi).value_or(""));
}

int16_t GetBarreLeftX(int16_t stringNo) { return onString(stringNo) ? kBarreLeftX[stringIndex(stringNo)] : 0; }
int16_t GetBarreRightX(int16_t stringNo) { return onString(stringNo) ? kBarreRightX[stringIndex(stringNo)] : 0; }

// True when a note name ("E", or "F#,Gb" for a black key) is spelled `root`.
bool isRoot(const QString& name, const QString& root) {
    if (name.contains(QLatin1Char(',')))
        return name.section(QLatin1Char(','), 0, 0) == root || name.section(QLatin1Char(','), 1, 1) == root;
    return name == root;
}

// Pitch class of a map name, or -1 for a name that is none of the 17 key names.
int pitchClass(const QString& name) { return KeyNames::FindKeyCode(name.toStdString()).value_or(-1); }

// The root part of a code: the text after the first "$", up to a second "$".
QString rootPart(const QString& code, qsizetype dollar) {
    return code.mid(dollar + 1).section(QLatin1Char('$'), 0, 0);
}

// A number printed with a blank where a minus sign would go.
QString numberText(int16_t n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

}  // namespace

ctlNeck::ctlNeck(QWidget* parent)
    : QWidget(parent), canvas_(kWidthTwips, kHeightTwips) {
    fretNumbers_ = AppSettings::GetBool(QStringLiteral("FretNumbers"), true);
    stringNumbers_ = AppSettings::GetBool(QStringLiteral("StringNumbers"), true);
    setFixedSize(canvas_.Image().size());  // resizing snaps back to 1840 x 5460
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString ctlNeck::currentKey() const { return currentKeySource_ ? currentKeySource_() : QString(); }

void ctlNeck::SetFretNumbers(bool show) {
    fretNumbers_ = show;
    show ? showFretNumbers() : hideFretNumbers();
    AppSettings::SaveBool(QStringLiteral("FretNumbers"), show);
    update();
}

void ctlNeck::SetStringNumbers(bool show) {
    stringNumbers_ = show;
    show ? showStringNumbers() : hideStringNumbers();
    AppSettings::SaveBool(QStringLiteral("StringNumbers"), show);
    update();
}

QString ctlNeck::ScaleTab() const { return NeckCodes::ScaleTab(scaleCode_); }
QString ctlNeck::ChordTab() const { return NeckCodes::ChordTab(chordCode_); }

void ctlNeck::Clear() {
    midiCode_.clear();
    chordCode_.clear();
    scaleCode_.clear();
    drawGrid();
    update();
    emit OnClear();
}

void ctlNeck::InitDraw() {
    stringFrets_.fill(25);
    WriteChord(QStringLiteral("0,6,0,6,0,6,0,6,0,6,0,6"));
}

void ctlNeck::PrintNoChord(const QString& Line1, const QString& Line2) {
    QString line2 = Line2;
    PrintNoChord(Line1, line2);
}

void ctlNeck::PrintNoChord(const QString& Line1, QString& Line2) {
    drawGrid();
    midiCode_.clear();
    rootName_.clear();
    canvas_.SetFontBold(true);
    canvas_.SetForeColor(kWhite);
    for (int y : {2000, 2200, 2400}) canvas_.Line(300, y, 1550, y);
    for (int16_t x : kStringX) canvas_.Line(x, 2000, x, 2400);
    canvas_.SetForeColor(kRed);
    canvas_.PrintAt(400, 2000, Line1);
    int x = 300;
    switch (Line2.size()) {
        case 11: x = 430; break;
        case 20: x = 40; break;
        case 22: x = 270; Line2.chop(7); break;
        case 15: x = 250; break;
        default: break;
    }
    canvas_.PrintAt(x, 2200, Line2);
    canvas_.SetForeColor(kBlack);
    midiCode_.clear();
    isMap_ = false;
    chordCode_ = NeckCodes::kNotAvailable;
    update();
    emit NoChord();
    emit OnClear();
}

void ctlNeck::MapNotes(const QString& NoteList, bool Flag, bool SetRoot) {
    if (NoteList.isEmpty()) return;
    mapCode_ = NoteList + QLatin1Char('~') + PlainText::BoolText(Flag);
    isMap_ = true;
    drawGrid();
    const bool keptStars = mapStars_;
    const QString keptRoot = rootName_;
    const QStringList names = NoteList.split(QLatin1Char('-'));
    if (SetRoot) {
        rootName_ = names.first();
        mapStars_ = !Flag;
    } else if (!Flag) {
        mapStars_ = !mapStars_;
    }
    for (const QString& name : names) {
        const int pc = pitchClass(name);
        if (pc < 0) continue;
        for (int16_t stringNo = 6; stringNo >= 1; --stringNo) {
            for (int16_t fret = 0; fret <= 24; ++fret) {
                if ((kOpenNote[stringIndex(stringNo)] + fret) % 12 != pc) continue;
                QString result;
                WriteNote(stringNo, fret, 10, name, result);
            }
        }
    }
    rootName_ = SetRoot ? keptRoot : QString();
    mapStars_ = keptStars;
    const bool keptBold = canvas_.FontBold();
    canvas_.SetForeColor(SystemColors::SystemColor(SystemColors::AppWorkspace));
    canvas_.SetFontBold(true);
    canvas_.PrintAt(520, 5000, QStringLiteral("Note Map"));
    canvas_.SetFontBold(keptBold);
    update();
    emit OnMap();
}

void ctlNeck::DrawChord(int16_t StringNo, int16_t Fret) {
    if (!onString(StringNo)) return;
    int16_t& stored = stringFrets_[stringIndex(StringNo)];
    stored = stored == 0 ? 25 : Fret;
    QStringList pairs;
    for (int16_t s = 6; s >= 1; --s) {
        const int16_t fret = stringFrets_[stringIndex(s)];
        pairs << QString::number(fret) + (fret == 25 ? QStringLiteral(",6") : QStringLiteral(",0"));
    }
    WriteChord(pairs.join(QLatin1Char(',')));
    emit GenerateChord(midiCode_);
}

void ctlNeck::WriteChord(const QString& Code, bool RaiseGenerate) {
    QString rootName;
    QString markerRoot;
    const qsizetype dollar = Code.indexOf(QLatin1Char('$'));
    if (dollar >= 0) {
        chordCode_ = Code.left(dollar);
        rootName = rootPart(Code, dollar);
        markerRoot = rootName;
    } else {
        chordCode_ = Code;
        rootName = currentKey();
    }
    const QStringList numbers = chordCode_.section(QLatin1Char(';'), 0, 0).split(QLatin1Char(','));
    drawGrid();
    midiCode_.clear();
    mapCode_.clear();
    isMap_ = false;

    std::array<QString, 6> names;  // strings 6 down to 1
    QStringList notes;
    for (int k = 0; k < 6; ++k) {
        int16_t fret = 0;
        int16_t finger = 0;
        // A string whose fret or finger is missing or not a number is left out.
        if (2 * k + 1 >= numbers.size() || !NeckCodes::ToInt16(numbers[2 * k], &fret) ||
            !NeckCodes::ToInt16(numbers[2 * k + 1], &finger))
            continue;
        QString result;
        WriteNote(static_cast<int16_t>(6 - k), fret, finger, markerRoot, result);
        if (result == QLatin1String("-1")) continue;
        names[static_cast<size_t>(k)] =
            QString::fromStdString(modFunctions::GetNoteName(result.toShort()).value_or(""));
        notes << result;
    }
    midiCode_ = notes.join(QLatin1Char('~'));

    if (Code.contains(QLatin1Char(';'))) {
        const QStringList parts = chordCode_.split(QLatin1Char(';'));
        for (qsizetype i = 1; i <= 3 && i < parts.size(); ++i)
            if (!parts[i].isEmpty()) drawBarre(parts[i]);
    }
    QStringList row(names.begin(), names.end());
    row << (rootName.contains(QLatin1Char('b')) ? QStringLiteral("1") : QStringLiteral("0"));
    PrintNotes(row.join(QLatin1Char('|')));
    update();
    emit OnChord();
    if (RaiseGenerate) emit GenerateChord(midiCode_);
}

void ctlNeck::WriteScale(const QString& Code) {
    drawGrid();
    midiCode_.clear();
    mapCode_.clear();
    isMap_ = false;
    QString markerRoot;
    const qsizetype dollar = Code.indexOf(QLatin1Char('$'));
    if (dollar >= 0) {
        scaleCode_ = Code.left(dollar);
        markerRoot = rootPart(Code, dollar);
    } else {
        scaleCode_ = Code;
    }
    QStringList notes;
    if (!scaleCode_.isEmpty()) {
        for (const QString& note : scaleCode_.split(QLatin1Char('|'))) {
            const QStringList fields = note.split(QLatin1Char(','));
            int16_t stringNo = 0;
            int16_t fret = 0;
            int16_t finger = 0;
            // An unreadable note is passed over; the rest of the position is drawn.
            if (fields.size() < 3 || !NeckCodes::ToInt16(fields[0], &stringNo) ||
                !NeckCodes::ToInt16(fields[1], &fret) || !NeckCodes::ToInt16(fields[2], &finger))
                continue;
            QString result;
            WriteNote(stringNo, fret, finger, markerRoot, result);
            if (result != QLatin1String("-1")) notes << result;
        }
    }
    midiCode_ = notes.join(QLatin1Char('~'));
    update();
    emit OnScale();
}

void ctlNeck::WriteNote(int16_t StringNo, int16_t Fret, int16_t Finger, const QString& Root, QString& Result) {
    // A marker with no place on the neck is not drawn and has no pitch. A
    // string that is not played still shows its x above the nut.
    if (!onString(StringNo) || ((Fret < 0 || Fret > 24) && Finger != 6)) {
        Result = QStringLiteral("-1");
        return;
    }
    int16_t x = 0;
    int16_t y = 0;
    QString position;
    GetNotePosition(StringNo, Fret, x, y, position);
    Result = position.section(QLatin1Char('|'), 0, 0);
    const QString name = position.section(QLatin1Char('|'), 1);

    canvas_.SetForeColor(kWhite);
    canvas_.Line(x, y + 20, x, y + 190);  // blanks the string under the marker
    if (Finger == 10) {
        drawMapMark(x, y, Root);
        update();
        return;
    }
    canvas_.SetFontBold(true);
    rootName_ = Root.isEmpty() ? currentKey() : Root;
    canvas_.SetForeColor(isRoot(name, rootName_) ? kRed : kBlack);
    if (Finger == 6) {
        Result = QStringLiteral("-1");
        canvas_.SetForeColor(kBlack);
        canvas_.PrintAt(x - 80, y, QStringLiteral(" x"));
    } else if (Finger != 7) {
        canvas_.PrintAt(x - 80, y, numberText(Finger));
    }
    canvas_.SetForeColor(kBlack);
    update();
}

void ctlNeck::drawMapMark(int16_t x, int16_t y, const QString& name) {
    canvas_.SetFontBold(mapStars_);
    const QString root = rootName_.isEmpty() ? currentKey() : rootName_;
    canvas_.SetForeColor(name == root ? kRed : kBlack);
    if (mapStars_) {
        canvas_.SetFontSize(12);
        canvas_.PrintAt(x - 60, y, QStringLiteral("*"));
    } else {
        canvas_.PrintAt(x - 40, y + 10, name);
    }
    canvas_.SetFontSize(8);
}

void ctlNeck::PrintNotes(const QString& Names) {
    canvas_.SetFontBold(false);
    canvas_.SetForeColor(kBlack);
    const QStringList fields = Names.split(QLatin1Char('|'));
    int16_t spelling = 0;
    if (fields.size() > 6) NeckCodes::ToInt16(fields[6], &spelling);
    const int part = spelling == 1 ? 1 : 0;
    for (qsizetype i = 0; i < 6 && i < fields.size(); ++i) {
        const QString& field = fields[i];
        if (field.isEmpty()) continue;
        const bool twoNames = field.contains(QLatin1Char(','));
        const QString text = twoNames ? field.section(QLatin1Char(','), part, part) : field;
        canvas_.SetForeColor(text == rootName_ ? kRed : kBlack);
        canvas_.PrintAt(twoNames ? kTwoNameX[static_cast<size_t>(i)] : kOneNameX[static_cast<size_t>(i)],
                        kNoteRowY, text);
    }
    update();
}

void ctlNeck::drawGrid() {
    canvas_.Cls();
    canvas_.SetForeColor(kBlack);
    for (int16_t x : kStringX) canvas_.Line(x, 200, x, 5000);
    canvas_.Line(300, 180, 1550, 180);
    canvas_.Line(320, 190, 1550, 190);
    canvas_.Line(320, 200, 1550, 200);
    for (int y = 400; y <= 5000; y += 200) canvas_.Line(300, y, 1550, y);
    static const QPoint inlays[] = {{930, 330},  {930, 700},  {930, 1100}, {930, 1500},
                                    {930, 1900}, {680, 2500}, {1180, 2500}, {930, 3120},
                                    {930, 3500}, {930, 3900}, {930, 4300}, {930, 4700}};
    for (const QPoint& c : inlays) canvas_.Circle(c.x(), c.y(), 32, kInlay);
    for (const QPoint& c : inlays) canvas_.Circle(c.x(), c.y(), 16, kInlay);
    if (fretNumbers_) showFretNumbers();
    if (stringNumbers_) showStringNumbers();
}

void ctlNeck::showFretNumbers() {
    canvas_.SetFontBold(false);
    canvas_.SetForeColor(kBlack);
    static const struct { int x, y; const char* text; } numbers[] = {
        {60, 300, "1"},   {60, 700, "3"},   {60, 1100, "5"},  {60, 1500, "7"},
        {60, 1900, "9"},  {20, 2500, "12"}, {20, 3100, "15"}, {20, 3500, "17"},
        {20, 3900, "19"}, {20, 4300, "21"}, {20, 4700, "23"}};
    for (const auto& n : numbers) canvas_.PrintAt(n.x, n.y, QLatin1String(n.text));
}

void ctlNeck::hideFretNumbers() {
    canvas_.SetForeColor(SystemColors::SystemColor(SystemColors::Window));
    // Two-digit numbers reach x 210; the markers of string 6 start at 220.
    for (int x = 0; x <= kFretNumbersRight; x += 10) canvas_.Line(x, 200, x, 5000);
}

void ctlNeck::showStringNumbers() {
    canvas_.SetFontBold(true);
    canvas_.SetForeColor(kBlue);
    for (int16_t s = 6; s >= 1; --s)
        canvas_.PrintAt(kStringNumberX[stringIndex(s)], kStringNumbersY, QString::number(s));
}

void ctlNeck::hideStringNumbers() {
    canvas_.SetForeColor(SystemColors::SystemColor(SystemColors::Window));
    // From the row the numbers are printed at and past the last one's right
    // edge, so that no pixel of them stays.
    for (int y = kStringNumbersY; y <= 5340; y += 10) canvas_.Line(260, y, 1620, y);
}

void ctlNeck::drawBarre(const QString& barre) {
    const QStringList parts = barre.split(QLatin1Char(','));
    int16_t fret = 0;
    int16_t first = 0;
    int16_t last = 0;
    // A barre that lacks a number is not drawn.
    if (parts.size() < 3 || !NeckCodes::ToInt16(parts[0], &fret) || !NeckCodes::ToInt16(parts[1], &first) ||
        !NeckCodes::ToInt16(parts[2], &last))
        return;
    const int y = fret * 200 + 80;
    const int left = GetBarreLeftX(first);
    const int right = GetBarreRightX(last);
    if (y != 680 && y != 1280 && y != 1880 && y != 2480 && y != 3080) canvas_.Line(left, y, right, y);
    canvas_.Line(left, y + 10, right, y + 10);
    canvas_.Line(left, y + 20, right, y + 20);
}

void ctlNeck::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, canvas_.Image());
}

void ctlNeck::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(static_cast<float>(Twips::FromPixels(event->position().x())),
                   static_cast<float>(Twips::FromPixels(event->position().y())));
}

void ctlNeck::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}
