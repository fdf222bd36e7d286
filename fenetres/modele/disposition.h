#pragma once
// Pixel quantities of the table, worked out once from the screen size by `disposerTable`.
namespace quarvel {

struct Disposition {
    int largeurCarte = 90; // every card picture of the table and of the handful dialog
    int hauteurCarte = 150;
    int margeMain = 20;      // left of the hand row
    int hautMain = 350;      // top of the hand row
    int pasMain = 40;        // spacing of the 18-card hand and of the dog row
    int pasEcart = 30;       // spacing of the 24-card row of the discard
    int gaucheChien = 266;   // left of the dog row
    int hautChien = 176;     // top of the dog row
    int leveeCarte = 20;     // how far a chosen card is raised
    int unitePoignee = 15;   // spacing unit of the handful dialog
    int largeurClient = 800; // client area of the main window
    int hauteurClient = 534;
    // The screen, for the windows centred on it, and the M of the M : 800 rescaling every
    // window applies to its drawn layout when it is created.
    int largeurEcran = 800;
    int hauteurEcran = 600;
    int rapportM = 800;
};

} // namespace quarvel
