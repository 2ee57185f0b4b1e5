#pragma once
// The about box: product texts, the web and mail links and the statistics reset.

// Shows the about box modally; returns when it is closed.
void ShowAboutBox();
