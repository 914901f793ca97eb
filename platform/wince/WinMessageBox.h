// The framework's message box. There is no window system: a host may install a process-wide
// question handler that answers in its place; without one every question is answered "no", so
// that nothing is overwritten without someone agreeing.
#pragma once

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONQUESTION = 0x20;

// Receives the question text and the box style and returns the answer (IDYES, IDNO, ...).
typedef int (*QelQuestionHandler)(void* context, const unsigned short* text, unsigned style);

// Installs the handler (null removes it); context is passed back to every call.
void SetQuestionHandler(QelQuestionHandler handler, void* context);
// Asks the installed handler; IDNO without one (IDOK for a box without yes/no buttons).
int AfxMessageBox(const unsigned short* text, unsigned style = MB_OK);
