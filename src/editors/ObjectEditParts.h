#pragma once

class CNumberBox;

// The box's number when it is accepted. Text that is not a number is
// refused with a message rather than read as 0.
bool TakeNumber(CNumberBox* box, int& value);
