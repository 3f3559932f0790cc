#include "DXViewport.h"

TDXViewport::TDXViewport(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}
