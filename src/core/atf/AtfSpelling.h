#pragma once

#include <string>
#include <string_view>

namespace velmora {

// One spelling for every way a reading or a sign name is written in the two
// ATF styles, so that lookups need no knowledge of the style: Oracc's
// Unicode (ša₂, ŋeš₂, {d}UTU) and CDLI's ASCII C-ATF (sza2, s,a, t,e, s'a,
// jesz2, |GA2xAN|), in either case.
class AtfSpelling {
public:
    // The canonical form of a reading, a number (3(diš)) or a sign name
    // (|KA×ME|, AŠ@t): lower case; š ṣ ṭ ś ŋ for sz s, t, s' j (and ĝ);
    // h for ḫ; ʾ for the apostrophe; ASCII digits right after the letters
    // as subscript index digits (du3 is du₂… du₃); an x right after the
    // letters as the index ₓ; inside |…| an x between two signs as ×; a
    // vowel with acute or grave accent as the vowel with index 2 or 3
    // (šá is ša₂, ù is u₃) unless index digits follow.
    static std::u32string Canonical(std::u32string_view text);
    // The Oracc spelling of a reading written in either style, its case
    // kept: sza2 and šá are ša₂, SZA2 is ŠA₂, KU3 is KU₃, |GA2xAN| is
    // |GA₂×AN|. Letters written in Unicode stay as they are.
    static std::u32string Oracc(std::u32string_view text);

    // The lower-case form of a transliteration letter (A-Z, Š Ṣ Ṭ Ś Ŋ Ḫ and
    // the vowels with macron or circumflex); any other character unchanged.
    static char32_t Lower(char32_t c);
    // A letter of a reading: a-z, A-Z and the letters with diacritics of
    // transliterations (Lower of them included).
    static bool IsLetter(char32_t c);
    // The text's first letter is a capital.
    static bool StartsUpper(std::u32string_view text);

private:
    // Canonical, or with keepCase Oracc.
    static std::u32string Spell(std::u32string_view text, bool keepCase);
};

} // namespace velmora
