#include "platform/QtSound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <QtEndian>

using namespace zf;

namespace {

// A tenth of a second of silence as 8-bit mono PCM.
QByteArray silentWav()
{
    const quint32 samples = 800;
    QByteArray wav("RIFF");
    auto u32 = [&wav](quint32 v) { wav.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); };
    auto u16 = [&wav](quint16 v) { wav.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); };
    u32(36 + samples);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);    // PCM
    u16(1);    // mono
    u32(8000); // samples per second
    u32(8000); // bytes per second
    u16(1);
    u16(8);
    wav.append("data");
    u32(samples);
    wav.append(QByteArray(samples, char(0x80)));
    return wav;
}

} // namespace

class QtSoundTest : public QObject {
    Q_OBJECT
private slots:
    // Whether or not the machine has audio: playing never fails, even for a
    // missing file or while the last sound still plays.
    void playsWithoutFailing();
};

void QtSoundTest::playsWithoutFailing()
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("yippee.wav");
    QFile f(wav);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(silentWav());
    f.close();

    QtSound sound;
    sound.playAsync(wav.toStdString());
    sound.playAsync(wav.toStdString());
    sound.playAsync(dir.filePath("missing.wav").toStdString());
    QTest::qWait(200);
}

QTEST_GUILESS_MAIN(QtSoundTest)
#include "QtSoundTest.moc"
