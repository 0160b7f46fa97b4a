#pragma once

class TMainForm;

// Flight sizes of the sides.

void SchwarmNumber(TMainForm& form);
