#pragma once

#include <string>

// The words the panel is told in to a screen reader: one place for every
// phrase, so that both windows say the same.
namespace spoken {

// What a lamp shows: the three lamp pictures, or the plain square it has
// before the first travel.
enum class LampLook { Off, Red, Blue, White };

// "the ground floor", "floor 3".
std::string floorWords(int floor);

// "Ground floor lamp", "Floor 3 lamp".
std::string lampName(int floor);
// What a lamp's colour means on this panel, so that colour is never the only
// carrier: red while the lift travels, blue where it stopped, white elsewhere.
// The ground floor's lamp is red when the panel opens, before any travel:
// then it is only "red".
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
