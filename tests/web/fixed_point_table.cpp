// The wasm test's reference for numbers: reads doubles as 16 hex digits of their bits, one a
// line, and writes each with std::to_chars fixed to 1, 4 and 10 places, tab-separated, as the
// native standard library has them (the wasm build's library has no such to_chars).

#include <charconv>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

int main() {
    std::string line;
    char text[400];
    while (std::getline(std::cin, line)) {
        const uint64_t bits = std::stoull(line, nullptr, 16);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        for (int places : {1, 4, 10}) {
            const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places).ptr;
            std::cout << (places == 1 ? "" : "\t") << std::string(text, end);
        }
        std::cout << '\n';
    }
}
