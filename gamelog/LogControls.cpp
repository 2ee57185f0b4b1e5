#include "Main.h"

void Main::ConnectLogHandlers() {
    BtnPlaylog.Click = [this] { BtnPlaylog_Click(); };
    BtnLoadlog.Click = [this] { BtnLoadlog_Click(); };
    BtnDebugMsg.Click = [this] { BtnDebugMsg_Click(); };
    ImgReplayUp.MouseDown = [this](int b, int s, float x, float y) { ImgReplayUp_MouseDown(b, s, x, y); };
    ImgReplayUp.MouseUp = [this](int b, int s, float x, float y) { ImgReplayUp_Mouseup(b, s, x, y); };
}
