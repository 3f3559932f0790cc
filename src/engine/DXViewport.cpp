#include "DXViewport.h"

#include "win/Fpu.h"

TDXViewport::TDXViewport(QWidget* parent) : QFrame(parent)
{
    win::MaskFloatingPointExceptions();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}
