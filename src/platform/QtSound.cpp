#include "platform/QtSound.h"

#include <QSoundEffect>
#include <QUrl>

namespace zf {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::playAsync(const std::string& wavPath)
{
    // Created on first use so that a program that never wins never opens the audio device.
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(QString::fromStdString(wavPath)));
    m_effect->play();
}

} // namespace zf
