#include "alarms/alarmssetup.h"
#include "alarms/kivsound.h"
#include "alarms/sound.h"
#include "alarms/soundeffect.h"
#include "alarms/soundmanager.h"

#include "temproot.h"

#include <QAbstractState>
#include <QAudioDeviceInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kAplay = QStringLiteral("/usr/bin/aplay");
const QString kGst = QStringLiteral("/usr/bin/gst-launch-0.10");
const QString kAmixer = QStringLiteral("/usr/bin/amixer");

// The fake players log their arguments. A file whose name holds "short" (or
// the key click and the chimes) ends at once; any other plays until killed.
const QByteArray kPlayerBody = "case \"$*\" in *short*|*keystroke*|*nfcChime*) exit 0;; esac\n"
                               "exec sleep 20";

// The calls of a fake tool, one argument list per call.
QList<QStringList> calls(const TempRoot &root, const QString &tool)
{
    QList<QStringList> result;
    QStringList current;
    for (const QString &line : root.fakeToolCalls(tool)) {
        if (line == QLatin1String("--")) {
            result.append(current);
            current.clear();
        } else {
            current.append(line);
        }
    }
    return result;
}

void plantPlayers(const TempRoot &root)
{
    QVERIFY(root.addFakeTool(kAplay, kPlayerBody));
    QVERIFY(root.addFakeTool(kGst, kPlayerBody));
    QVERIFY(root.addFakeTool(kAmixer));
    QVERIFY(root.addFakeTool(QStringLiteral("/bin/sync")));
}

// Fires a timer's timeout() now, as if its interval had passed.
void fire(QObject *owner, const char *timerName)
{
    auto *timer = owner->findChild<QTimer *>(QLatin1String(timerName));
    QVERIFY2(timer, timerName);
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

// The cabinet core as the sound manager sees it: a parent whose
// "configManager" holds the settings.
struct FakeCabinet
{
    QObject cabinet;
    QObject config;
    FakeCabinet()
    {
        cabinet.setProperty("configManager", QVariant::fromValue<QObject *>(&config));
        config.setProperty("discardDurationEnabled", 0);
        config.setProperty("discardSoundDuration", 5);
        config.setProperty("universalPanSoundEnable", false);
    }
};

} // namespace

class TestSounds : public QObject
{
    Q_OBJECT

private:
    // A running sound manager in a fresh root with fake players.
    struct Rig
    {
        TempRoot root;
        FakeCabinet fake;
        SoundManager *manager = nullptr;
        Sound *player = nullptr;
        ~Rig() { delete manager; }
    };

    void startRig(Rig &rig)
    {
        plantPlayers(rig.root);
        rig.manager = new SoundManager(&rig.fake.cabinet);
        rig.player = rig.manager->findChild<Sound *>();
        QVERIFY(rig.player);
        rig.manager->start();
        QTRY_VERIFY(isIn(rig, "idle"));
        // The tests fire the kick-outs themselves; a slow machine must not
        // see them run out on their own in between.
        for (const char *name : {"warningKickoutTimer", "discardKickoutTimer", "nfcChimeKickoutTimer"})
            rig.manager->findChild<QTimer *>(name)->setInterval(3600000);
    }

    static bool isIn(const Rig &rig, const char *state)
    {
        const QString name = QLatin1Char('"') + QLatin1String(state) + QLatin1Char('"');
        auto *s = rig.manager->findChild<QAbstractState *>(name);
        return s && s->active();
    }

    // The file the shared player is playing, without its directory.
    static QString playing(const Rig &rig)
    {
        return rig.player->isPlaying() ? QFileInfo(rig.player->currentFile()).fileName()
                                       : QString();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
        Q_INIT_RESOURCE(soundtest);
    }

    // --- the player ---------------------------------------------------------

    void playerPicksItsToolByExactExtension_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("wav") << "/s/a_short.wav" << kAplay << QStringList{"-q", "/s/a_short.wav"};
        QTest::newRow("WAV") << "/s/b_short.WAV" << kAplay << QStringList{"-q", "/s/b_short.WAV"};
        QTest::newRow("Wav") << "/s/c_short.Wav" << kGst
                             << QStringList{"playbin", "uri=file:///s/c_short.Wav"};
        QTest::newRow("mp3") << "/s/d_short.mp3" << kGst
                             << QStringList{"playbin", "uri=file:///s/d_short.mp3"};
    }

    void playerPicksItsToolByExactExtension()
    {
        QFETCH(QString, file);
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        QSignalSpy finished(&sound, &Sound::finished);
        sound.play(file, 0);
        QVERIFY(finished.wait(5000));
        QCOMPARE(calls(root, tool), QList<QStringList>{arguments});
        const QString other = (tool == kAplay) ? kGst : kAplay;
        QVERIFY(calls(root, other).isEmpty());
    }

    void playerRepeatsAsOftenAsAsked_data()
    {
        QTest::addColumn<int>("repeatCount");
        QTest::addColumn<int>("runs");
        QTest::newRow("0 plays once") << 0 << 1;
        QTest::newRow("1 plays once") << 1 << 1;
        QTest::newRow("3 plays three times") << 3 << 3;
    }

    void playerRepeatsAsOftenAsAsked()
    {
        QFETCH(int, repeatCount);
        QFETCH(int, runs);
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        QSignalSpy finished(&sound, &Sound::finished);
        sound.play("/s/x_short.wav", repeatCount);
        QVERIFY(finished.wait(5000));
        QTest::qWait(100);
        QCOMPARE(calls(root, kAplay).size(), runs);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!sound.isPlaying());
    }

    void playerRepeatsUntilStopped()
    {
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        sound.play("/s/loop_short.wav", -1);
        QTRY_VERIFY(calls(root, kAplay).size() >= 3);
        sound.stop(true);
        QVERIFY(!sound.isPlaying());
        const int runs = calls(root, kAplay).size();
        QTest::qWait(200);
        QCOMPARE(calls(root, kAplay).size(), runs);
    }

    // A new sound kills the old one; the killed run must not count as a
    // repetition of the new sound, or a click over a looping alarm loops.
    void killedRunIsNoRepetitionOfTheNextSound()
    {
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        QSignalSpy finished(&sound, &Sound::finished);
        sound.play("/s/alarm.wav", -1);
        QTRY_COMPARE(calls(root, kAplay).size(), 1);
        QVERIFY(sound.isPlaying());

        sound.play("/s/click_short.wav", 0);
        QVERIFY(finished.wait(5000));
        QTest::qWait(300);
        QCOMPARE(calls(root, kAplay),
                 (QList<QStringList>{{"-q", "/s/alarm.wav"}, {"-q", "/s/click_short.wav"}}));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!sound.isPlaying());
        QCOMPARE(sound.repeatCount(), 0);
    }

    void sameFileKeepsPlayingAndStopWithoutClipLetsItEnd()
    {
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        sound.play("/s/alarm.wav", -1);
        QTRY_COMPARE(calls(root, kAplay).size(), 1);
        sound.play("/s/alarm.wav", -1);
        QTest::qWait(100);
        QCOMPARE(calls(root, kAplay).size(), 1);
        QVERIFY(sound.isPlaying());

        sound.stop(false);
        QVERIFY(sound.isPlaying());
        QCOMPARE(sound.repeatCount(), 0);
    }

    // play() starts the current file over: after the sound has ended it
    // plays once more; over a running sound it cuts it and starts afresh,
    // and the cut run is no repetition.
    void playerReplaysTheCurrentFile()
    {
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        QSignalSpy finished(&sound, &Sound::finished);
        sound.play("/s/x_short.wav", 0);
        QVERIFY(finished.wait(5000));
        sound.play();
        QTRY_COMPARE(finished.count(), 2);
        QCOMPARE(calls(root, kAplay), (QList<QStringList>{{"-q", "/s/x_short.wav"}, {"-q", "/s/x_short.wav"}}));

        sound.play("/s/alarm.mp3", -1);
        QTRY_COMPARE(calls(root, kGst).size(), 1);
        sound.play();
        QVERIFY(sound.isPlaying());
        QTRY_COMPARE(calls(root, kGst).size(), 2);
        QCOMPARE(calls(root, kGst).last(), (QStringList{"playbin", "uri=file:///s/alarm.mp3"}));
        QTest::qWait(200);
        QCOMPARE(calls(root, kGst).size(), 2);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(sound.repeatCount(), -1);
    }

    void missingPlayerLogsAndDoesNotSpin()
    {
        TempRoot root; // no fake players: nothing can play here
        Sound sound;
        QSignalSpy finished(&sound, &Sound::finished);
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("Sound: cannot play /s/alarm.wav exit code -1"));
        sound.play("/s/alarm.wav", -1);
        QVERIFY(finished.wait(5000));
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!sound.isPlaying());
    }

    void volumeRunsAmixer_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<QString>("level");
        QTest::newRow("0.7") << 0.7f << "70%";
        QTest::newRow("1.0") << 1.0f << "100%";
        QTest::newRow("0") << 0.0f << "0%";
        QTest::newRow("0.355") << 0.355f << "35.5%";
    }

    void volumeRunsAmixer()
    {
        QFETCH(float, volume);
        QFETCH(QString, level);
        TempRoot root;
        plantPlayers(root);
        Sound sound;
        sound.setVolume(volume);
        QTRY_COMPARE(calls(root, kAmixer),
                     (QList<QStringList>{{"-q", "set", "'DAC2 Digital Fine'", level}}));
        QCOMPARE(sound.getVolume(), volume);
    }

    // Mixer runs that overlap may end in either order; the level left on the
    // device must be the last one asked for. The first run is held until
    // the test lets it go.
    void volumeLevelsApplyInTheOrderAsked()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool(kAmixer, "case \"$4\" in 70%) while [ ! -e \"$0.go\" ]; do sleep 0.01; done;; esac\n"
                                          "printf '%s\\n' \"$4\" >> \"$0.applied\""));
        Sound sound;
        sound.setVolume(0.7f);
        sound.setVolume(1.0f);
        QTRY_COMPARE(calls(root, kAmixer).size(), 1);
        // Nothing marks a run that did not start: a short look is all there is.
        QVERIFY(!QTest::qWaitFor([&] { return calls(root, kAmixer).size() > 1; }, 300));
        QVERIFY(root.writeFile(kAmixer + QStringLiteral(".go"), QByteArray()));
        QTRY_COMPARE(root.readFile(kAmixer + QStringLiteral(".applied")), QByteArray("70%\n100%\n"));
        QCOMPARE(calls(root, kAmixer),
                 (QList<QStringList>{{"-q", "set", "'DAC2 Digital Fine'", "70%"},
                                     {"-q", "set", "'DAC2 Digital Fine'", "100%"}}));
    }

    // --- effects sharing the player -----------------------------------------

    void effectsShareOnePlayer()
    {
        TempRoot root;
        plantPlayers(root);
        Sound player;
        SoundEffect a(&player);
        SoundEffect b(&player);
        a.setSource("/s/a.wav");
        a.setLoops(-1);
        a.setVolume(0.7);
        b.setSource("/s/b.wav");
        b.setLoops(-1);

        a.play();
        QVERIFY(a.isPlaying());
        QTRY_COMPARE(calls(root, kAplay).size(), 1);
        b.play();
        QVERIFY(!a.isPlaying());
        QVERIFY(b.isPlaying());
        a.stop(); // not a's sound: left alone
        QVERIFY(b.isPlaying());
        b.play(); // already playing: neither restarted nor cut
        QVERIFY(b.isPlaying());
        QTRY_COMPARE(calls(root, kAmixer).size(), 3);
        // b's player was started above; it logs once it is under way.
        QTRY_COMPARE(calls(root, kAplay),
                     (QList<QStringList>{{"-q", "/s/a.wav"}, {"-q", "/s/b.wav"}}));
        QCOMPARE(calls(root, kAmixer).at(0).last(), QStringLiteral("70%"));
        QCOMPARE(calls(root, kAmixer).at(1).last(), QStringLiteral("100%"));

        b.setMuted(true); // silences the running sound at once
        QTRY_COMPARE(calls(root, kAmixer).size(), 4);
        QCOMPARE(calls(root, kAmixer).at(3).last(), QStringLiteral("0%"));
        b.stop();
        QVERIFY(!b.isPlaying());
        b.setMuted(false); // unmuting waits for the next play
        a.setMuted(true);
        a.play();
        QTRY_COMPARE(calls(root, kAmixer).size(), 5);
        QCOMPARE(calls(root, kAmixer).at(4).last(), QStringLiteral("0%"));
    }

    // Each effect says when its own sound starts and ends, once: a sound that
    // replaces it ends it, repetitions do not.
    void effectAnnouncesItsPlaying()
    {
        TempRoot root;
        plantPlayers(root);
        Sound player;
        SoundEffect a(&player);
        SoundEffect b(&player);
        a.setSource("/s/a.wav");
        a.setLoops(-1);
        b.setSource("/s/b_short.wav");
        b.setLoops(3);
        QSignalSpy aPlaying(&a, &SoundEffect::playingChanged);
        QSignalSpy bPlaying(&b, &SoundEffect::playingChanged);
        auto values = [](const QSignalSpy &spy) {
            QList<bool> result;
            for (const QList<QVariant> &args : spy)
                result.append(args.at(0).toBool());
            return result;
        };

        a.play();
        a.play(); // already playing: nothing to say
        QCOMPARE(values(aPlaying), QList<bool>{true});
        b.play();
        QCOMPARE(values(aPlaying), (QList<bool>{true, false}));
        QCOMPARE(values(bPlaying), QList<bool>{true});
        QTRY_COMPARE(calls(root, kAplay).count({"-q", "/s/b_short.wav"}), 3);
        QTRY_COMPARE(values(bPlaying), (QList<bool>{true, false}));

        a.play();
        a.stop();
        QCOMPARE(values(aPlaying), (QList<bool>{true, false, true, false}));
        QCOMPARE(values(bPlaying), (QList<bool>{true, false}));

        // Another effect of the same file takes the running sound over.
        SoundEffect c(&player);
        c.setSource("/s/a.wav");
        c.setLoops(-1);
        QSignalSpy cPlaying(&c, &SoundEffect::playingChanged);
        a.play();
        c.play();
        QCOMPARE(values(aPlaying), (QList<bool>{true, false, true, false, true, false}));
        QCOMPARE(values(cPlaying), QList<bool>{true});
    }

    // --- the QML sound effect -------------------------------------------------

    void kivSoundAnnouncesMutedAndVolumeOnce()
    {
        KivSound sound;
        QSoundEffect &base = sound;
        QSignalSpy muted(&sound, &KivSound::mutedChanged);
        QSignalSpy volume(&sound, &KivSound::volumeChanged);

        sound.setMuted(true);
        sound.setMuted(true);
        QCOMPARE(muted.count(), 1);
        QCOMPARE(muted.at(0).at(0).toBool(), true);
        QVERIFY(base.isMuted());
        QVERIFY(sound.property("muted").toBool());
        sound.setMuted(false);
        QCOMPARE(muted.count(), 2);
        QVERIFY(!base.isMuted());

        sound.setVolume(0.5);
        sound.setVolume(0.5);
        QCOMPARE(volume.count(), 1);
        QCOMPARE(volume.at(0).at(0).toDouble(), 0.5);
        QCOMPARE(base.volume(), 0.5);
        // A level set on the platform object behind its back: the same value
        // again restores it, without a second announcement.
        base.setVolume(0.2);
        sound.setVolume(0.5);
        QCOMPARE(base.volume(), 0.5);
        QCOMPARE(volume.count(), 1);
        // Reading takes the platform's value as the kept one.
        base.setVolume(0.3);
        QCOMPARE(sound.volume(), 0.3);
        sound.setVolume(0.3);
        QCOMPARE(volume.count(), 1);
        sound.setProperty("volume", 0.8);
        QCOMPARE(volume.count(), 2);
        QCOMPARE(base.volume(), 0.8);
    }

    void kivSoundAnnouncesPlaying()
    {
        if (QAudioDeviceInfo::defaultOutputDevice().isNull())
            QSKIP("no audio output on this machine");
        TempRoot root;
        QVERIFY(root.writeFile("/s/chime.wav", [] {
            QFile resource(":/resources/nfcChime.wav");
            return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
        }()));
        KivSound sound;
        QSignalSpy playing(&sound, &KivSound::playingChanged);
        sound.setSource(QUrl::fromLocalFile(root.filePath("/s/chime.wav")));
        QTRY_COMPARE(sound.status(), QSoundEffect::Ready);
        sound.play();
        QTRY_COMPARE(playing.count(), 1);
        QCOMPARE(playing.at(0).at(0).toBool(), true);
        QVERIFY(sound.property("playing").toBool());
        QTRY_COMPARE(playing.count(), 2);
        QCOMPARE(playing.at(1).at(0).toBool(), false);
    }

    // --- the manager ----------------------------------------------------------

    void soundFilesAreCopiedButNeverOverwritten()
    {
        Rig rig;
        QVERIFY(rig.root.writeFile("/root/resources/warning3.wav", "updated sound"));
        startRig(rig);
        QCOMPARE(rig.root.readFile("/root/resources/warning3.wav"), QByteArray("updated sound"));
        QFile resource(":/resources/nfcChime.wav");
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray chime = resource.readAll();
        QVERIFY(chime.startsWith("RIFF"));
        QCOMPARE(rig.root.readFile("/root/resources/nfcChime.wav"), chime);
        for (const char *name : {"discardAlarm2.wav", "AlarmWrongProduct2.wav",
                                 "AlarmWrongProductUni.wav", "keystroke.wav", "nfcChimeUni.wav"})
            QVERIFY2(QFile::exists(rig.root.filePath(QStringLiteral("/root/resources/") + name)), name);
    }

    void alarmRequestsReachTheirStates_data()
    {
        QTest::addColumn<int>("alarmId");
        QTest::addColumn<bool>("play");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("sound");
        QTest::newRow("warning") << 1 << true << "warning" << "warning3.wav";
        QTest::newRow("discard") << 2 << true << "discard" << "discardAlarm2.wav";
        QTest::newRow("product change") << 3 << true << "productChange" << "AlarmWrongProduct2.wav";
        // Universal-pan sound switched off: the ordinary alarm.
        QTest::newRow("universal pan") << 4 << true << "productChange" << "AlarmWrongProduct2.wav";
        QTest::newRow("id 0 ignored") << 0 << true << "idle" << "";
        QTest::newRow("id 5 ignored") << 5 << true << "idle" << "";
        QTest::newRow("warning release") << 1 << false << "idle" << "";
    }

    void alarmRequestsReachTheirStates()
    {
        QFETCH(int, alarmId);
        QFETCH(bool, play);
        QFETCH(QString, state);
        QFETCH(QString, sound);
        Rig rig;
        startRig(rig);
        rig.manager->processAlarmReq(alarmId, play);
        QVERIFY(isIn(rig, state.toLatin1().constData()));
        QCOMPARE(playing(rig), sound);
        if (!sound.isEmpty()) {
            const QString file = rig.root.filePath("/root/resources/" + sound);
            QTRY_COMPARE(calls(rig.root, kAplay), (QList<QStringList>{{"-q", file}}));
        }
    }

    void warningSoundsOnceAndYieldsToProductChange()
    {
        Rig rig;
        startRig(rig);
        rig.manager->processAlarmReq(1, true);
        fire(rig.manager, "warningKickoutTimer");
        QVERIFY(isIn(rig, "idle"));
        QCOMPARE(playing(rig), QString());

        rig.manager->processAlarmReq(3, true);
        rig.manager->processAlarmReq(1, true); // no warning over a product change
        QVERIFY(isIn(rig, "productChange"));
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProduct2.wav"));
    }

    void productChangeInterruptsDiscardWhichDoesNotResume()
    {
        Rig rig;
        startRig(rig);
        rig.manager->processAlarmReq(2, true);
        QCOMPARE(playing(rig), QStringLiteral("discardAlarm2.wav"));
        rig.manager->processAlarmReq(3, true);
        QVERIFY(isIn(rig, "productChange"));
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProduct2.wav"));
        rig.manager->processAlarmReq(3, false);
        QVERIFY(isIn(rig, "idle"));
        QCOMPARE(rig.manager->get_prodChgReqCount(), 0);
        QCOMPARE(playing(rig), QString());
    }

    void universalPanAlarmSwitchesAtTheNextRepeat()
    {
        Rig rig;
        rig.fake.config.setProperty("universalPanSoundEnable", true);
        startRig(rig);
        auto *repeat = rig.manager->findChild<QTimer *>("prodChangeRepeatTimer");
        rig.manager->processAlarmReq(3, true);
        rig.manager->processAlarmReq(3, true);
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProduct2.wav"));
        QCOMPARE(repeat->interval(), 2900);
        rig.manager->processAlarmReq(4, true);
        fire(rig.manager, "prodChangeRepeatTimer");
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProductUni.wav"));
        QCOMPARE(repeat->interval(), 3000);
        QCOMPARE(rig.manager->get_prodChgReqCount(), 3);

        rig.manager->processAlarmReq(4, false);
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProductUni.wav")); // until the next repeat
        fire(rig.manager, "prodChangeRepeatTimer");
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProduct2.wav"));
        QCOMPARE(repeat->interval(), 2900);

        rig.manager->processAlarmReq(3, false);
        QVERIFY(isIn(rig, "productChange"));
        rig.manager->processAlarmReq(3, false);
        QVERIFY(isIn(rig, "idle"));
        QCOMPARE(playing(rig), QString());
        QVERIFY(!repeat->isActive());
    }

    void chimesInterruptDiscardAndItResumes()
    {
        Rig rig;
        startRig(rig);
        rig.manager->processAlarmReq(2, true);
        QCOMPARE(playing(rig), QStringLiteral("discardAlarm2.wav"));
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 1);

        emit rig.manager->nfcChimeSig();
        emit rig.manager->nfcChimeSig();
        emit rig.manager->nfcChimeUniSig(); // universal sound off: an ordinary chime
        QVERIFY(isIn(rig, "nfcChiming"));
        QCOMPARE(rig.manager->get_chimeReqCount(), 2);
        // The kick-out runs long after the chime has ended; fired early, it
        // would find the chime still playing, which then just plays on.
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 2);
        QTRY_COMPARE(playing(rig), QString());
        fire(rig.manager, "nfcChimeKickoutTimer");
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 3);
        QTRY_COMPARE(playing(rig), QString());
        fire(rig.manager, "nfcChimeKickoutTimer");
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 4);
        QCOMPARE(rig.manager->get_chimeReqCount(), 0);
        QVERIFY(isIn(rig, "nfcChiming"));
        QTRY_COMPARE(playing(rig), QString());
        fire(rig.manager, "nfcChimeKickoutTimer");
        QVERIFY(isIn(rig, "discard"));
        QCOMPARE(playing(rig), QStringLiteral("discardAlarm2.wav"));

        const QString dir = rig.root.filePath("/root/resources/");
        QTRY_COMPARE(calls(rig.root, kAplay),
                     (QList<QStringList>{{"-q", dir + "discardAlarm2.wav"},
                                         {"-q", dir + "nfcChime.wav"},
                                         {"-q", dir + "nfcChime.wav"},
                                         {"-q", dir + "nfcChime.wav"},
                                         {"-q", dir + "discardAlarm2.wav"}}));
    }

    void discardAcknowledgedDuringChimesDoesNotRestart()
    {
        Rig rig;
        startRig(rig);
        rig.manager->processAlarmReq(2, true);
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 1);
        emit rig.manager->nfcChimeSig();
        rig.manager->processAlarmReq(2, false);
        rig.manager->processAlarmReq(1, true); // ignored while chiming
        QVERIFY(isIn(rig, "nfcChiming"));
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 2);
        fire(rig.manager, "nfcChimeKickoutTimer");
        QVERIFY(isIn(rig, "idle"));
        QTRY_COMPARE(playing(rig), QString()); // the chime ends, nothing follows
        QTest::qWait(100);
        const QString dir = rig.root.filePath("/root/resources/");
        QCOMPARE(calls(rig.root, kAplay),
                 (QList<QStringList>{{"-q", dir + "discardAlarm2.wav"}, {"-q", dir + "nfcChime.wav"}}));
    }

    void universalChimeAndProductChangeDuringChimes()
    {
        Rig rig;
        rig.fake.config.setProperty("universalPanSoundEnable", true);
        startRig(rig);
        QSignalSpy zero(rig.manager, &SoundManager::prodChgReqCountZeroOrLess);
        emit rig.manager->nfcChimeUniSig();
        QCOMPARE(QFileInfo(rig.player->currentFile()).fileName(), QStringLiteral("nfcChimeUni.wav"));
        // A release with nothing pending stays at 0.
        rig.manager->processAlarmReq(3, false);
        QCOMPARE(rig.manager->get_prodChgReqCount(), 0);
        QCOMPARE(zero.count(), 1);
        rig.manager->processAlarmReq(3, true); // counted, sounds on return
        QCOMPARE(rig.manager->get_prodChgReqCount(), 1);
        fire(rig.manager, "nfcChimeKickoutTimer");
        QVERIFY(isIn(rig, "productChange"));
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProduct2.wav"));
    }

    void discardDurationLimitsTheAlarm()
    {
        Rig rig;
        rig.fake.config.setProperty("discardDurationEnabled", 1);
        rig.fake.config.setProperty("discardSoundDuration", 5);
        startRig(rig);
        rig.manager->processAlarmReq(2, true);
        auto *duration = rig.manager->findChild<QTimer *>("discardDurationTimer");
        QVERIFY(duration->isActive());
        QCOMPARE(duration->interval(), 5000);
        fire(rig.manager, "discardDurationTimer");
        QVERIFY(isIn(rig, "idle"));
        QCOMPARE(playing(rig), QString());
    }

    void discardWithoutDurationRunsToItsKickout()
    {
        Rig rig;
        startRig(rig);
        rig.manager->processAlarmReq(2, true);
        QVERIFY(!rig.manager->findChild<QTimer *>("discardDurationTimer")->isActive());
        fire(rig.manager, "discardKickoutTimer");
        QVERIFY(isIn(rig, "idle"));
    }

    void keyClickIsSilentInDiscardAndCutsTheProductChangeAlarm()
    {
        Rig rig;
        startRig(rig);
        const QString dir = rig.root.filePath("/root/resources/");
        rig.manager->processAlarmReq(2, true);
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 1);
        rig.manager->playKeystroke();
        QCOMPARE(playing(rig), QStringLiteral("discardAlarm2.wav"));
        rig.manager->processAlarmReq(2, false);
        QVERIFY(isIn(rig, "idle"));

        rig.manager->processAlarmReq(3, true);
        rig.manager->findChild<QTimer *>("prodChangeRepeatTimer")->stop(); // its next tick comes below
        QTRY_COMPARE(calls(rig.root, kAplay).size(), 2);
        rig.manager->playKeystroke();
        QTRY_COMPARE(playing(rig), QString()); // the click has played
        QTest::qWait(300);                    // and nothing loops after it
        QCOMPARE(calls(rig.root, kAplay).size(), 3);
        QCOMPARE(calls(rig.root, kAplay).last(), (QStringList{"-q", dir + "keystroke.wav"}));

        fire(rig.manager, "prodChangeRepeatTimer");
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProduct2.wav"));
        QTRY_COMPARE(calls(rig.root, kAplay).last(), (QStringList{"-q", dir + "AlarmWrongProduct2.wav"}));
    }

    // The guards follow the sounds, not the states: a key click that cuts
    // the product-change alarm leaves it not playing until its next repeat.
    void guardsAnswerFromThePlayingFlags()
    {
        Rig rig;
        startRig(rig);
        rig.fake.config.setProperty("universalPanSoundEnable", true);
        auto notPlaying = [&rig] {
            QStringList result;
            for (const char *guard : {"discardAlarmNotPlaying", "warningAlarmNotPlaying",
                                      "productChangeAlarmNotPlaying"}) {
                bool answer = false;
                if (!QMetaObject::invokeMethod(rig.manager, guard, Q_RETURN_ARG(bool, answer)))
                    return QStringList{QStringLiteral("no guard ") + guard};
                if (!answer)
                    result.append(QString::fromLatin1(guard).remove("AlarmNotPlaying"));
            }
            return result; // the alarms that sound
        };
        QCOMPARE(notPlaying(), QStringList());

        rig.manager->processAlarmReq(1, true);
        QCOMPARE(notPlaying(), QStringList{"warning"});
        fire(rig.manager, "warningKickoutTimer");
        QCOMPARE(notPlaying(), QStringList());

        rig.manager->processAlarmReq(2, true);
        QCOMPARE(notPlaying(), QStringList{"discard"});
        rig.manager->processAlarmReq(4, true);
        QCOMPARE(notPlaying(), QStringList{"productChange"});
        QCOMPARE(playing(rig), QStringLiteral("AlarmWrongProductUni.wav"));
        rig.manager->findChild<QTimer *>("prodChangeRepeatTimer")->stop();
        rig.manager->playKeystroke();
        QTRY_COMPARE(playing(rig), QString());
        QCOMPARE(notPlaying(), QStringList());
        fire(rig.manager, "prodChangeRepeatTimer");
        QCOMPARE(notPlaying(), QStringList{"productChange"});
        rig.manager->processAlarmReq(4, false);
        QVERIFY(isIn(rig, "idle"));
        QCOMPARE(notPlaying(), QStringList());

        // Between its repetitions the discard alarm still counts as sounding.
        rig.manager->processAlarmReq(2, true);
        rig.player->stop(true);
        QCOMPARE(notPlaying(), QStringList{"discard"});
    }

    void muteAndDelayedUnmute()
    {
        Rig rig;
        startRig(rig);
        rig.manager->setAllAlarmsVolume(70);
        rig.manager->muteAllAlarms();
        rig.manager->playWarningAlarm();
        QTRY_COMPARE(calls(rig.root, kAmixer).size(), 1);
        QCOMPARE(calls(rig.root, kAmixer).last().last(), QStringLiteral("0%"));

        rig.manager->delayedUnMute();
        auto *unmute = rig.manager->findChild<QTimer *>("unmuteTimer");
        QVERIFY(unmute->isActive());
        QCOMPARE(unmute->interval(), 3000);
        rig.manager->playKeystroke(); // still muted until the timer runs out
        QTRY_COMPARE(calls(rig.root, kAmixer).size(), 2);
        QCOMPARE(calls(rig.root, kAmixer).last().last(), QStringLiteral("0%"));

        fire(rig.manager, "unmuteTimer");
        rig.manager->playKeystroke();
        QTRY_COMPARE(calls(rig.root, kAmixer).size(), 3);
        QCOMPARE(calls(rig.root, kAmixer).last().last(), QStringLiteral("70%"));
    }

    void setupPublishesAndStartsTheManager()
    {
        TempRoot root;
        plantPlayers(root);
        FakeCabinet fake;
        QQmlEngine engine;
        SoundManager *manager = AlarmsSetup::createSoundManager(&fake.cabinet, engine.rootContext());
        QCOMPARE(manager->parent(), &fake.cabinet);
        QCOMPARE(manager->objectName(), QStringLiteral("soundManager"));
        QCOMPARE(engine.rootContext()->contextProperty("soundManager").value<QObject *>(), manager);
        QTRY_VERIFY(manager->isRunning());
    }

    void timersHaveTheirIntervals()
    {
        TempRoot root;
        plantPlayers(root);
        SoundManager manager;
        const QList<QPair<const char *, int>> timers = {
            {"warningKickoutTimer", 1100}, {"discardKickoutTimer", 11000},
            {"prodChangeRepeatTimer", 2900}, {"nfcChimeKickoutTimer", 1300}};
        for (const auto &t : timers) {
            auto *timer = manager.findChild<QTimer *>(t.first);
            QVERIFY2(timer, t.first);
            QCOMPARE(timer->interval(), t.second);
            QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        }
        QVERIFY(manager.findChild<QTimer *>("warningKickoutTimer")->isSingleShot());
        QVERIFY(manager.findChild<QTimer *>("nfcChimeKickoutTimer")->isSingleShot());
        QVERIFY(!manager.findChild<QTimer *>("discardKickoutTimer")->isSingleShot());
    }

    void transitionsCarryTracerProperties()
    {
        Rig rig;
        startRig(rig);
        auto *chime = rig.manager->findChild<QAbstractTransition *>("t_nfcChime");
        QVERIFY(chime);
        QCOMPARE(chime->property("trigSignal").toString(), QStringLiteral("this::nfcChimeSig()"));
        QCOMPARE(chime->property("action").toString(), QStringLiteral("this->incChimeReqCount()\n"));
        auto *kick = rig.manager->findChild<QAbstractTransition *>("t_warnKickout");
        QCOMPARE(kick->property("trigSignal").toString(),
                 QStringLiteral("&warningKickoutTimer::timeout()"));
        QVERIFY(!kick->property("action").isValid());
    }

    // --- the sound-test page --------------------------------------------------

    void soundTestPagePlaysTheWarning()
    {
        Rig rig;
        startRig(rig);
        QQuickView view;
        view.rootContext()->setContextProperty("soundManager", rig.manager);
        view.setSource(QUrl("qrc:/qml/SoundTestItem.qml"));
        QCOMPARE(view.status(), QQuickView::Ready);
        view.resize(800, 480);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        auto *button = view.rootObject()->findChild<QQuickItem *>("soundCheckButton");
        QVERIFY(button);
        const QPoint centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint();
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(playing(rig), QStringLiteral("warning3.wav"));
        QVERIFY(isIn(rig, "idle")); // played outside the machine
    }
};

QTEST_MAIN(TestSounds)
#include "tst_sounds.moc"
