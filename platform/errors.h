#pragma once

#include <stdexcept>
#include <string>

// Failures travel as exceptions that carry the text the user is shown.
class ProgramError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Text that had to hold a number did not.
class ConversionError : public ProgramError {
 public:
  using ProgramError::ProgramError;
};

// A file or folder could not be read, written, created or removed.
class FileError : public ProgramError {
 public:
  using ProgramError::ProgramError;
};
