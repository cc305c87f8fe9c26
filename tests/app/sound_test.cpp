// The three beeps: which desktop event sound each type asks for, and the stand-in beep
// when the desktop cannot play one.
#include "sound.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace porimogu {
namespace {

TEST(CanberraSound, TypesNameTheFreedesktopEventSounds)
{
    EXPECT_STREQ(CanberraSound::EventId(0), "bell");
    EXPECT_STREQ(CanberraSound::EventId(48), "dialog-warning");
    EXPECT_STREQ(CanberraSound::EventId(64), "dialog-information");
    EXPECT_STREQ(CanberraSound::EventId(16), "bell") << "an unknown type sounds as the default";
}

TEST(CanberraSound, EveryBeepFallsBackWhenTheDesktopCannotPlay)
{
    int fallbacks = 0;
    CanberraSound sound("no-such-output", [&] { ++fallbacks; });
    sound.MessageBeep(0);
    sound.MessageBeep(48);
    sound.MessageBeep(64);
    EXPECT_EQ(fallbacks, 3);
}

TEST(CanberraSound, AFailingStandInIsSwallowed)
{
    CanberraSound sound("no-such-output", [] { throw std::runtime_error("no bell either"); });
    EXPECT_NO_THROW(sound.MessageBeep(0));
}

} // namespace
} // namespace porimogu
