#pragma once

class TMainForm;

// The mission panel's time and weather boxes. Their changes are kept with the campaign (its
// Save buttons), not in tavrek.ini.

// The worst weather is never better than the best: it moves up to the best weather.
void WeatherBoxChange(TMainForm& form);
// Start and end time against the pace and the day/night box. A fixed time with a "Slow" pace is
// refused: both times go back to "Random" and the action stops with ProgramError.
void TimeChange(TMainForm& form);
// A text that is no choice becomes "Day"; unless the box says "By Start/End Time", both times
// become "Random".
void DayNightBoxChange(TMainForm& form);

void WireTimeWeatherOptions(TMainForm& form);
