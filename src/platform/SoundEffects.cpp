#include "platform/SoundEffects.h"

#include "core/common/DataPath.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

enum class Mode { Async, Looping, Sync };

Mode modeOf(Effect effect)
{
    switch (effect) {
    case Effect::Exit:
        return Mode::Sync;
    case Effect::Board:
    case Effect::Pause:
        return Mode::Looping;
    default:
        return Mode::Async;
    }
}

// Playing time of a PCM WAV from its header; 0 when the header is unreadable.
int wavMilliseconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(44);
    if (header.size() < 44 || !header.startsWith("RIFF"))
        return 0;
    auto u32 = [&](int at) {
        return static_cast<quint32>(static_cast<unsigned char>(header[at])) |
               static_cast<quint32>(static_cast<unsigned char>(header[at + 1])) << 8 |
               static_cast<quint32>(static_cast<unsigned char>(header[at + 2])) << 16 |
               static_cast<quint32>(static_cast<unsigned char>(header[at + 3])) << 24;
    };
    const quint32 byteRate = u32(28);
    return byteRate == 0 ? 0 : static_cast<int>(qint64(file.size() - 44) * 1000 / byteRate);
}

} // namespace

SoundEffects::SoundEffects(QString wavFolder, const bool& soundOn, QObject* parent)
    : QObject(parent)
    , wavFolder_(std::move(wavFolder))
    , soundOn_(soundOn)
    , audioAvailable_(!QMediaDevices::defaultAudioOutput().isNull())
{
}

SoundEffects::~SoundEffects() = default;

QString SoundEffects::fileName(Effect effect)
{
    switch (effect) {
    case Effect::Exit: return QStringLiteral("vsem_spat.wav");
    case Effect::Page: return QStringLiteral("book.wav");
    case Effect::Open: return QStringLiteral("hihihih.wav");
    case Effect::Cancel: return QStringLiteral("oou.wav");
    case Effect::Close: return QStringLiteral("close.wav");
    case Effect::Click: return QStringLiteral("pick.wav");
    case Effect::Help: return QStringLiteral("est_problemi.wav");
    case Effect::Key: return QStringLiteral("type.wav");
    case Effect::Board: return QStringLiteral("dostig.wav");
    case Effect::Laugh: return QStringLiteral("smeh.wav");
    case Effect::Applause: return QStringLiteral("applaud.wav");
    case Effect::About: return QStringLiteral("hujeotet.wav");
    case Effect::Pause: return QStringLiteral("about.wav");
    case Effect::Delete: return QStringLiteral("aaa.wav");
    case Effect::Tick: return QStringLiteral("tuk-tuk.wav");
    case Effect::Thanks: return QStringLiteral("thenx.wav");
    }
    return {};
}

void SoundEffects::play(Effect effect)
{
    if (!soundOn_ && effect != Effect::Thanks)
        return;
    played_.append(effect);
    playFile(datapath::resolve(wavFolder_, fileName(effect)), effect);
}

void SoundEffects::playFile(const QString& path, Effect effect)
{
    if (current_)
        current_->stop();
    if (!QFileInfo::exists(path)) {
        if (beep_)
            beep_();
        return;
    }
    if (!audioAvailable_)
        return;
    current_ = std::make_unique<QSoundEffect>();
    current_->setSource(QUrl::fromLocalFile(path));
    current_->setLoopCount(modeOf(effect) == Mode::Looping ? QSoundEffect::Infinite : 1);
    current_->play();
    if (modeOf(effect) == Mode::Sync)
        waitUntilFinished(path);
}

void SoundEffects::waitUntilFinished(const QString& path)
{
    QEventLoop loop;
    connect(current_.get(), &QSoundEffect::playingChanged, &loop, [&] {
        if (!current_->isPlaying() && current_->status() != QSoundEffect::Loading)
            loop.quit();
    });
    constexpr int kMarginMs = 500; // loading the file, starting the device
    QTimer::singleShot(wavMilliseconds(path) + kMarginMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
