#pragma once
// What the radio settings dialog asks of the radio, between opening and closing it.
enum class RadioRequest {
    ReadChannel,
    TurnChannel,
    AutoSearch,
    StopSearch,
};
