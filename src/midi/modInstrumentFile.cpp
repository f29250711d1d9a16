#include "modInstrumentFile.h"

#include <QFile>
#include <QSaveFile>

#include "AppPaths.h"
#include "PlainText.h"

namespace modInstrumentFile {

QString InstrumentFilePath() {
    return AppPaths::GetAppPath() + QStringLiteral("genmidi.txt");
}

const QStringList& InstrumentNames() {
    static const QStringList names = {
        "piano 1", "piano 2", "piano 3", "Honky-tonk", "E.piano 1", "E.piano 2", "Harpsichord",
        "Clavinet", "Celesta", "Glockenspiel", "Music Box", "Vibraphone", "Marimba", "Xylophone",
        "Tubular Bell", "Dulcimer", "Organ 1", "Organ 2", "Organ 3", "Church org. 1", "Reed Organ",
        "Accordion Fr", "Harmonica", "Tango Accordion", "Nylon-str Gt", "Steel-str Gt", "Jazz Gt",
        "Clean Gt", "Muted Gt", "Overdrive Gt", "Distortion Gt", "Gt.Harmonics", "Acoustic Bs.",
        "Fingered Bs.", "Picked Bs.", "Fretless Bs.", "Slap Bs. 1", "Slap Bs. 2", "Synth Bs. 1",
        "Synth Bs. 2", "Violin", "Viola", "Cello", "Contrabass", "Tremolo Str", "Pizzicato", "Harp",
        "Timpani", "Strings", "Slow Str.", "Syn Str. 1", "Syn Str. 2", "Choir Aahs", "Voice Oohs",
        "SynVox", "Orchestra Hit", "Trumpet", "Trombone", "Tuba", "Muted Tr.", "French Horn",
        "Brass 1", "Synth Br.1", "Synth Br.2", "Soprano Sax", "Alto Sax", "Tenor Sax",
        "Baritone Sax", "Oboe", "English Horn", "Basson", "Clarinet", "Piccolo", "Flute", "Recorder",
        "Pan Flute", "Bottle Blow", "Shakuhachi", "Whistle", "Ocarina", "Square Wave", "Saw Wave",
        "Syn.Calliope", "Chiffer Lead", "Charang", "Solo Vox", "5th Saw Wave", "Bass& Lead",
        "Fantasia", "Warm Pad", "PolySynth", "Space Voice", "Bowed Glass", "Metal Pad", "Halo Pad",
        "Sweep Pad", "Ice Rain", "Sound Track", "Crystal", "Atmosphere", "Brightness", "Goblin",
        "Echo Drops", "Star Theme", "Sitar", "Banjo", "Shamisen", "Koto", "Kalimba", "Bag Pipe",
        "Fiddle", "Shanai", "Tinkle Bell", "Agogo", "Steel Drums", "Woodblock", "Taiko",
        "Melo Tom 1", "Synth Drum", "Reverse Cym.", "Gt.FretNoise", "Breath Noise", "Seashore",
        "Bird", "Telephone 1", "Helicopter", "Applause", "Gun Shot"};
    return names;
}

bool WriteInstrumentFile() {
    QSaveFile file(InstrumentFilePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QString text = InstrumentNames().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    file.write(text.toLatin1());
    return file.commit();
}

QStringList ReadInstrumentNames(const QString& fileName) {
    QStringList names = InstrumentNames();
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) return names;
    // A single-byte code page; lines end in CR LF, or CR or LF alone when
    // the file was edited elsewhere.
    const QStringList lines = PlainText::SplitLines(QString::fromLatin1(file.readAll()));
    for (qsizetype line = 0; line < lines.size() && line < kPrograms; ++line) names[line] = lines[line];
    return names;
}

}  // namespace modInstrumentFile
