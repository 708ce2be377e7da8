// Axis steps of the Graph View: the rule that rounds the span an axis must show up to a value
// from a list of round numbers and divides it into equal steps, and the distance and value axes
// built on it, which also cope with a very short duct and with spans beyond the list.
#pragma once

namespace flowmar {

// The value of one of `divisions` divisions of an axis that must show `span`: the smallest of
// 5, 10, 20, 30, 40, 50, 60, 80, 100, 120, 150, 200, ..., 80000, 100000 that is not below the span
// (5 for any span up to 5, 200000 for any span above 100000), divided by the divisions in integer
// arithmetic, so that it can be 0 (a span up to 5 in 10 divisions). A span that is not a number
// counts as 0; fewer than one division as one.
double NiceAxisStep(double span, int divisions);

// The step of the distance axis's ten divisions for a duct of `length` (m or ft):
// NiceAxisStep(length, 10), except that
// - a duct of 5 or less, whose rule step is 0, gets the step 1: the axis reads 0 to 10 in whole
//   numbers, as it does for every duct longer than 5 and up to 10;
// - a duct beyond 200000, which the rule's largest value cannot hold, gets the rule's step for
//   the length scaled by a power of ten into the list, scaled back, so the duct stays on the axis.
// Always at least 1 and finite.
double distanceAxisStep(double length);

// The step of a flow or pressure axis (six divisions around the middle of the values) for values
// that span `span`: NiceAxisStep(span × 1.333333, 5), continued beyond the list as above so that
// the values always fit within the six divisions. Always at least 1 and finite.
double valueAxisStep(double span);

} // namespace flowmar
