#pragma once
// The product's name, version and the addresses the game points players to:
// the web page (about box, news ticker) and the support mail (about box and
// its information text). Kept here so every text uses the same ones.

inline constexpr const char* ProductNameAndVersion = "Lumra Quest 2.3";
// The version as the web page's referral query carries it.
inline constexpr const char* ProductVersionCode = "230";
inline constexpr const char* ProductWebAddress = "https://www.lumraquest.example/";
inline constexpr const char* SupportMailAddress = "support@lumraquest.example";
