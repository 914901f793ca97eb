#include "HostMessageBox.h"

#include <iostream>
#include <string>

#include "Console.h"
#include "HostText.h"
#include "WinMessageBox.h"

int CHostMessageBox::AskQuestion(HWND, const CQelString& fileName) {
  if (m_bOverwrite) return IDYES;
  if (!qel_console::IsTerminal(0) || !qel_console::IsTerminal(2)) return IDNO;
  CQelString question;
  question.Format(u"File %s already exists. Overwrite?", static_cast<const unsigned short*>(fileName));
  std::cerr << ToUtf8(question) << " [y/N] " << std::flush;
  std::string answer;
  if (!qel_console::ReadAnswerLine(answer)) return IDNO;
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y') ? IDYES : IDNO;
}
