// Breaks a message into the lines of a box no wider than a given width, for
// displays whose text drawing does not wrap by itself.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// The width of a piece of UTF-8 text, in whatever unit the caller measures.
using MisuraTesto = std::function<int(std::string_view)>;

// Every '\n' starts a new line; a line wider than `larghezza` breaks at its
// last blank that leaves a fitting head, or, with no such blank, after the
// most whole characters that fit (always at least one). Leading blanks stay.
std::vector<std::string> a_capo(std::string_view testo, int larghezza, const MisuraTesto& misura);

}  // namespace scenario
