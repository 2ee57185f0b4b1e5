#pragma once
// The hand control: holds and shows a set of cards. The table has nine:
// the four seats' hands, the four table piles and the out-of-play pile.
// This file declares the whole control; its parts are implemented in
//   KortHand.cpp          the card collection and its queries
//   KortHandDrawing.cpp   sizing, drawing and the mouse
//   KortHandPlay.cpp      a seat's play and the play suggestion
//   KortHandBidding.cpp   a seat's bid and colour choice
//   KortHandDiscard.cpp   putting surplus trumps out of play

#include <QImage>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "Controls.h"
#include "KeyedList.h"
#include "Kort.h"

class KortHand : public forms::UserControl {
public:
    KortHand();
    ~KortHand() override;

    // ---- public variables ----
    std::string HandNamn = "Joe";
    std::string HandKod;            // "SYD", "VAST", "NORD", "OST" or "KILLED"
    std::uint8_t VisaHanden = 0;    // 1 = draw every card's back
    std::int32_t mySpelarTyp = 0;   // 1 human, 0 computer
    std::int32_t MinFarg = 0;       // colour the bid logic chose; -1 none
    KeyedList<Kort*> colHand;       // the cards in display order
    std::string myPlayAI;
    std::string mySuggestionAI;
    std::string myBjudAI;
    std::string myBjudAIFile;
    bool Tom = false;               // ran out of trumps and was emptied

    // ---- properties ----
    int CardsToShow() const { return cardsToShow_; }
    void SetCardsToShow(int n);
    int LayoutStyle() const { return layout_; }
    void SetLayoutStyle(int style);
    std::int32_t HandSpelarTyp() const { return mySpelarTyp; }
    void SetHandSpelarTyp(std::int32_t type);
    std::int32_t HandAktivitat() const { return activity_; }
    void SetHandAktivitat(std::int32_t a) { activity_ = a; }
    void SetBordHand(KortHand* pile) { bordHand_ = pile; }
    KortHand* BordHand() const { return bordHand_; }
    short GeBud() const { return bid_; }
    void PutBud(short bid);  // also labels and logs the bid (seat bidding)
    short AntalKort() const { return static_cast<short>(colHand.Count()); }
    short NumberOfCardsOfColor(std::int32_t c) const { return AntalKortIFarg(c); }
    short CardWidth() const { return cardW_; }
    short CardHeight() const { return cardH_; }

    // ---- collection and queries ----
    bool HandEmpty(std::int32_t c) const;
    short AntalKortIFarg(std::int32_t c) const;
    void TomKoptaKort();
    bool TomHand(std::int32_t c);
    void SattInKortIHanden();
    void refresh();
    void ClearHand();
    void StickOut(int pos);
    void StickOutAllCardsOfFarg(std::int32_t c);
    void StickOutAllCardsOfRang(int rang);
    void StickInAllCardsOfRang(int rang);
    void SortHand();
    // A placeholder card (Nr -1) clears the caller's pointer and gives
    // false; a card already in the hand raises "Card already available"
    // (0x800403E9, source "KortHand") and leaves the hand unchanged.
    bool AddACard(Kort*& k, bool refreshAfter);
    bool AddACardOSort(Kort*& k, bool refreshAfter);
    Kort* TakeACard(const std::string& key);
    Kort* TakeACard(int pos);
    std::vector<std::string> GetCardList() const;
    bool SetCardState(const std::string& key, int drawStyle);
    bool SetCardState(int pos, int drawStyle);

    // ---- drawing and the mouse (KortHandDrawing.cpp) ----
    void UserControl_Resize();
    void UserControl_Paint();
    void Paint() override { UserControl_Paint(); }
    short CardIndexAt(float x, float y) const;
    void UserControl_Click();
    void UserControl_DblClick();
    void UserControl_MouseDown(int button, int shift, float x, float y);
    // The card's pixel position in the control for the i-th drawn card
    // (0-based), raised or lowered as the seat code says.
    void CardPosition(int i, bool raised, int& x, int& y) const;
    int RepaintCount = 0;  // how often the control repainted (tests)

    // ---- seat play (KortHandPlay.cpp) ----
    void Play();
    void PlayIt(int idx);
    short FindCardIDXofRang(int rang) const;
    void SuggestSYD();

    // ---- seat bidding (KortHandBidding.cpp) ----
    void bjud(short BiggestBid);
    float BjudEnligtEA(float cEA, short BiggestBid);
    void ValdFarg();

    // ---- surplus trumps (KortHandDiscard.cpp) ----
    void TaBortMeraKortAn6(std::int32_t farg);

private:
    bool addAt(Kort*& k, bool sorted, bool refreshAfter);
    short cardW_ = 71, cardH_ = 96;
    int cardsToShow_ = 9;
    int layout_ = 0;
    std::int32_t activity_ = 0;
    short bid_ = 0;
    KortHand* bordHand_ = nullptr;
    std::string bidReport_;  // collects one bid decision for the log
};
