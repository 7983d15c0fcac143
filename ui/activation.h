// The activation sequence: the one routine that computes and shows everything.
#pragma once

class TForm1;

void RunActivationSequence(TForm1& form);
