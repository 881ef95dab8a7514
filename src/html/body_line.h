// Body detection for the annotated pages: tells whether a page line is the
// one that opens the page body, before which the highlight script and the
// top navigation bar go.
//
// The test is deliberately narrow and positional, so that "</body>",
// "<tbody>" and the letters "body" inside ordinary text never qualify, while
// "<body ...>" and "<" followed only by blanks before "body" do.
#pragma once

#include <string_view>

namespace docbase {

// With the line lower-cased, b the first "body" and a the first "<": the
// line is the body line when both exist, a comes before b, and either "<"
// stands right before "body", or no "<" stands at or after that byte and
// only blanks lie between the last "<" before it and "body".
bool IsBodyLine(std::string_view line);

}  // namespace docbase
