// The bottom bar: the calendar line (written once) and the clock.
#pragma once

void FillDateBar();
// Timer 100 rewrites the clock; other timers change nothing.
int OnClockTimer(unsigned timerId, bool* handled);
