#pragma once

#include <string>

class TMainForm;

// Text clean-up used on every message template and name.

// Line breaks become CR LF; then the first occurrence of old_text is replaced.
std::string ReplaceTextProcedure(const std::string& text, const std::string& old_text,
                                 const std::string& new_text);
// Up to three digits after the first "Bridge" are removed.
std::string RemoveBridgeNo(TMainForm& form, const std::string& text);
// "A"/"a" before a vowel becomes "An"/"an".
std::string ArticleFix(const std::string& text);
