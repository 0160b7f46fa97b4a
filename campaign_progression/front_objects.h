#pragma once

class TMainForm;

// Guns and tanks along the front.

// Places static guns and tanks between opposing front locations.
void StationaryFront(TMainForm& form);
