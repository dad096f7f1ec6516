#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSoundEffect;

enum class Effect {
    Exit, Page, Open, Cancel, Close, Click, Help, Key, Board, Laugh, Applause, About, Pause, Delete, Tick, Thanks
};

// The program's one sound channel: every effect stops the one playing, so a
// repeating effect ends with the next effect of any kind.
class SoundEffects : public QObject {
    Q_OBJECT
public:
    // `wavFolder` holds the effects' files; `soundOn` is the sound switch.
    SoundEffects(QString wavFolder, const bool& soundOn, QObject* parent = nullptr);
    ~SoundEffects() override;

    // Plays `effect` unless the switch is off (the thanks at start-up plays
    // regardless). Exit plays synchronously: returns when it has finished.
    void play(Effect effect);

    // Effects requested while the switch was on, in order.
    const QList<Effect>& played() const { return played_; }
    void clearPlayed() { played_.clear(); }

    static QString fileName(Effect effect);

    // Without an audio device Qt reports a sound as playing forever, so then
    // effects are skipped instead of waited for. Tests force it off.
    void setAudioAvailable(bool available) { audioAvailable_ = available; }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

private:
    void playFile(const QString& path, Effect effect);
    void waitUntilFinished(const QString& path);

    QString wavFolder_;
    const bool& soundOn_;
    bool audioAvailable_;
    std::function<void()> beep_;
    std::unique_ptr<QSoundEffect> current_;
    QList<Effect> played_;
};
