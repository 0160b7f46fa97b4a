#pragma once

#include <string>

class TMainForm;

// Text clean-up used on every message template and name.

// Every line break becomes CR LF (a CR LF pair stays, any other CR or LF becomes a pair); then
// the first occurrence of old_text, if any, is replaced by new_text.
std::string ReplaceTextProcedure(const std::string& text, const std::string& old_text,
                                 const std::string& new_text);
// Line breaks as above; then up to three digits directly after the first "Bridge" are removed
// ("Bridge12 at Kerch" -> "Bridge at Kerch"). The removal cannot fail, so nothing is logged.
std::string RemoveBridgeNo(TMainForm& form, const std::string& text);
// "A"/"a" before a vowel becomes "An"/"an", once per pattern ("A A", ..., " a o"). A capital
// "A" is only taken where it begins a word, so "USA Army" stays as it is.
std::string ArticleFix(const std::string& text);
