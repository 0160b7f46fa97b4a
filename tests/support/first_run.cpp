#include "tests/support/first_run.h"

#include "app/main_form.h"

void ExpectGameNotChosen(ScriptedDialogs& dialogs) {
  dialogs.ExpectMessage("Welcome to Tavrek.", ModalResult::kOk);
  dialogs.ExpectOpenFile("Select IL-2/FB Game Path", std::nullopt);
  dialogs.ExpectOpenFile("Select IL-2/FB Game Path", std::nullopt);
}

std::string PlaceFirstEditionGame(TestWorld& world) {
  world.program_folder.Write("il2game/il2.exe", "");
  world.form->GameFolder = world.program_folder.Path() + "il2game/";
  return world.form->GameFolder;
}
