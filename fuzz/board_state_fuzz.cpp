// Fuzzes the board-state text and the seat list a network peer sends: what is accepted writes
// back to the same text.
#include <string>

#include "fuzz/fuzz_support.h"
#include "net/board_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    if (const std::optional<BoardState> state = DecodeBoardState(text, nullptr)) {
        fuzz::Require(state->playerCount >= 1 && state->humanPlayerCount <= state->playerCount &&
                          state->currentPlayer <= state->playerCount,
                      "players agree");
        const std::optional<BoardState> again = DecodeBoardState(EncodeBoardState(*state), nullptr);
        fuzz::Require(again && *again == *state, "an accepted board writes back to itself");
    }
    if (const std::optional<SeatList> seats = DecodeSeatList(text)) {
        fuzz::Require(
            seats->seat >= 1 && seats->seat <= 5 && seats->seatCount >= 1 && seats->seatCount <= 5,
            "seats");
    }
    return 0;
}
