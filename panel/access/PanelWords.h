#pragma once

#include <string>

// The words the panel is told in to a screen reader: one place for every
// phrase, so that both windows say the same.
namespace spoken {

// What a lamp shows: the three lamp pictures, or the blue ball on a grey
// square that the upper floors' lamps show before the first travel.
enum class LampLook { Square, Red, Blue, White };

// "the ground floor", "floor 3".
std::string floorWords(int floor);

// "Ground floor lamp", "Floor 3 lamp".
std::string lampName(int floor);
// What a lamp's colour means on this panel, so that colour is never the only
// carrier: red while the lift travels, blue where it stopped, white elsewhere.
// Before the first travel no colour means anything yet: the ground floor's
// lamp is red and the others blue on grey, and they say so.
std::string lampState(LampLook look, bool travelling);

// The floor digit inside the cabin: "Floor display: 3".
std::string digitWords(int floor);

// Where the cabin is: "At the ground floor", "Going up to floor 3".
std::string placeAt(int floor);
std::string placeGoing(bool up, int destination);

// The messages of a travel, told as they happen.
std::string departureMessage(bool up, int destination);
std::string passingMessage(int floor);
std::string arrivalMessage(int floor);
std::string alreadyThereMessage(int floor);

} // namespace spoken
