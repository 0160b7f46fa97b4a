// The message files: the English texts, the Russian ones and those of a chosen language
// (German), as start-up reads them.

#include <cstddef>
#include <cstdint>

#include <string>

#include "app/main_form.h"
#include "campaign_data/messages.h"
#include "fuzz/fuzz_campaign.h"

namespace {
const std::string kFiles[] = {"messages.tavrek", "messages_ru.tavrek", "messages_de.tavrek"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ChosenFile file = ChooseFile(InputText(data, size), kFiles, std::size(kFiles));
  SharedProgramFolder().Run("data/" + file.name, file.bytes, [](TMainForm& form) {
    form.Language = "German";
    GetMessages(form);
  });
  return 0;
}
