// Finding names the way Korean phones do: by the initial consonants of their
// syllables (ㅎㄱㄷ finds 홍길동) or by syllables mixed with initial
// consonants (홍ㄱ finds 홍길동). Texts are code page 949 bytes.
#pragma once

#include <string_view>

namespace pdx::text {

// The phonebook find's name rule. An initials query holds only Hangul
// syllables and initial consonant letters (ㄱ to ㅎ, the double consonants
// included) and at least one such letter; a cluster letter (ㄳ, as an input
// method joins ㄱ and ㅅ) counts as its two consonants. It matches when it lines up
// with a run of the name's syllables, starting at any syllable: a letter
// matches a syllable that begins with it, a syllable only itself. Characters
// of the name that are not Hangul syllables are passed over. Any other query
// matches as a byte substring, as it always has; an empty query matches all.
bool nameMatches(std::string_view name, std::string_view query);

} // namespace pdx::text
