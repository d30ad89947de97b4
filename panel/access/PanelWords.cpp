#include "PanelWords.h"

namespace spoken {

std::string floorWords(int floor) {
    return floor == 0 ? "the ground floor" : "floor " + std::to_string(floor);
}

std::string lampName(int floor) {
    return floor == 0 ? "Ground floor lamp" : "Floor " + std::to_string(floor) + " lamp";
}

std::string lampState(LampLook look, bool travelling) {
    switch (look) {
    case LampLook::Red:
        return travelling ? "red: the lift is moving" : "red: no call yet";
    case LampLook::Blue:
        return "blue: the lift stopped here";
    case LampLook::White:
        return "white: the lift is not here";
    case LampLook::Square:
        break;
    }
    return "blue on grey: no call yet";
}

std::string digitWords(int floor) {
    return "Floor display: " + std::to_string(floor);
}

std::string placeAt(int floor) {
    return "At " + floorWords(floor);
}

std::string placeGoing(bool up, int destination) {
    return std::string(up ? "Going up" : "Going down") + " to " + floorWords(destination);
}

std::string departureMessage(bool up, int destination) {
    return placeGoing(up, destination);
}

std::string passingMessage(int floor) {
    return "Passing " + floorWords(floor);
}

std::string arrivalMessage(int floor) {
    return "Arrived at " + floorWords(floor);
}

std::string alreadyThereMessage(int floor) {
    return "Already at " + floorWords(floor);
}

} // namespace spoken
