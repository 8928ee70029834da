#pragma once
// The open and save dialogs of files. The caller sets the properties, shows the dialog
// and reads the chosen FileName. The windows use the Qt one; tests a scripted one.
#include <string>

namespace platform {

class FileDialog {
 public:
  // Flags: ask before overwriting an existing file.
  static constexpr int OverwritePrompt = 2;

  virtual ~FileDialog() = default;

  int Flags = 0;
  // Pairs of description and pattern, all separated by "|":
  // "Files per Autocad (*.dxf)|*.dxf". Patterns of one pair are separated by ";".
  std::string Filter;
  // The pair shown first, from 1.
  int FilterIndex = 1;
  // The name proposed, then the full path chosen.
  std::string FileName;
  // Folder a name without one is proposed in; empty: the current folder.
  std::string InitDir;
  // Added, after a dot, to a name chosen without an extension.
  std::string DefaultExt;
  // Cancel raises ErroreEsecuzione Errori::DialogoAnnullato; without it Cancel
  // leaves FileName empty.
  bool CancelError = false;

  virtual void ShowSave() = 0;
  // Only an existing file can be chosen.
  virtual void ShowOpen() = 0;
};

}  // namespace platform
