// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the WAVE data the sounds are carried in.
#include "qt/wavedata.h"
#include "soundwaves.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray le32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}
QByteArray le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body, quint32 declared = 0) {
    QByteArray bytes = QByteArray(id) + le32(declared ? declared : quint32(body.size())) + body;
    if (body.size() % 2) bytes += '\0';
    return bytes;
}

QByteArray format(quint16 encoding, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 block = quint16(channels * bits / 8);
    return le16(encoding) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) +
           le16(bits);
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

class WaveDataTest : public QObject {
    Q_OBJECT

  private slots:
    void readsSixteenBitPcmPastOtherChunks() {
        const QByteArray samples = QByteArray::fromHex("01000200fffe");
        const QByteArray file = riff(chunk("fmt ", format(1, 1, 39385, 16)) + chunk("LIST", "odd") +
                                     chunk("data", samples));
        const auto wave = jex::qt::parsewave(file);
        QVERIFY(wave);
        QCOMPARE(wave->samplerate, 39385);
        QCOMPARE(wave->channels, 1);
        QCOMPARE(wave->samples, samples);
    }

    void aDataChunkCutShortKeepsItsWholeFrames() {
        const QByteArray file =
            riff(chunk("fmt ", format(1, 2, 44100, 16)) + chunk("data", QByteArray(10, 'x'), 4000));
        const auto wave = jex::qt::parsewave(file);
        QVERIFY(wave);
        QCOMPARE(wave->samples.size(), 8);
    }

    void refusesWhatItCannotPlay_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray data = chunk("data", QByteArray(8, '\0'));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not riff") << QByteArray("RIFX....WAVEfmt ");
        QTest::newRow("8-bit") << riff(chunk("fmt ", format(1, 1, 8000, 8)) + data);
        QTest::newRow("float") << riff(chunk("fmt ", format(3, 1, 8000, 16)) + data);
        QTest::newRow("no channels") << riff(chunk("fmt ", format(1, 0, 8000, 16)) + data);
        QTest::newRow("no rate") << riff(chunk("fmt ", format(1, 1, 0, 16)) + data);
        QTest::newRow("data before format") << riff(data + chunk("fmt ", format(1, 1, 8000, 16)));
        QTest::newRow("short format") << riff(chunk("fmt ", QByteArray(6, '\1')) + data);
        QTest::newRow("no data") << riff(chunk("fmt ", format(1, 1, 8000, 16)));
        QTest::newRow("chunk past the end")
            << riff(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("junk", "ab", 0xfffffff0u));
    }
    void refusesWhatItCannotPlay() {
        QFETCH(QByteArray, file);
        QVERIFY(!jex::qt::parsewave(file));
    }

    // The program carries the twelve sounds as they were made, whole.
    void theProgramCarriesItsTwelveSounds() {
        for (const jex::sounds::Sound& made : jex::sounds::allsounds()) {
            QFile file(":/sounds/" + QString::fromStdString(made.name) + ".WAV");
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const auto wave = jex::qt::parsewave(file.readAll());
            QVERIFY(wave);
            QCOMPARE(wave->samplerate, made.samplerate);
            QCOMPARE(wave->channels, 1);
            QByteArray samples;
            for (std::int16_t sample : made.samples)
                samples += le16(quint16(sample));
            QCOMPARE(wave->samples, samples);
        }
    }
};

QTEST_GUILESS_MAIN(WaveDataTest)
#include "wavedata_test.moc"
