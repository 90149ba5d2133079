#pragma once
// The stake-out tones through the device's tone library; without it nothing sounds.

// One tone (2913, 100, 100).
void BeepPrompt();
// Two tones 500 ms apart; the wait goes through the program's clock.
void DoubleBeepPrompt();
