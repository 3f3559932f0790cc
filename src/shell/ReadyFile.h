#pragma once

class QWidget;

// Tells a program that drives Qel 3D (a test, a classroom script) which window takes its keys,
// once start-up is over and the window answers: when QEL3D_READY_FILE names a file, the main
// window's native id is written there, whole or not at all.
void AnnounceReadyWindow(const QWidget& window);
