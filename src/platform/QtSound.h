#pragma once

#include "ground/Ports.h"

#include <memory>

class QSoundEffect;

namespace zf {

// Plays a WAV file in the background. Without an audio device nothing is
// heard and nothing is reported.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void playAsync(const std::string& wavPath) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace zf
