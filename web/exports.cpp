// SPDX-License-Identifier: GPL-3.0-or-later
#include "exports.h"

#include <utility>

namespace cnc::web {
namespace {

std::string& lastAnswer() {
    static std::string answer;
    return answer;
}

}  // namespace

const char* answerOf(std::string text) {
    lastAnswer() = std::move(text);
    return lastAnswer().data();
}

}  // namespace cnc::web

// The size in bytes of the last text answer.
extern "C" EMSCRIPTEN_KEEPALIVE std::size_t answerSize() { return cnc::web::lastAnswer().size(); }
