// The name lists the program carries for new pilots, one pair per nation group: given names
// (the ...FNm lists) and family names (the ...LNm lists). Names are plain ASCII, as the game's
// roster files hold them; a list is written as names separated by commas.

#include "mission_results/built_in_names.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "campaign_data/text.h"

namespace {

// Soviet given names.
constexpr std::string_view kRFNm = R"(
Aleksandr, Aleksei, Anatoli, Andrei, Anton, Arkadi, Arseni, Artyom, Boris, Vadim, Valentin,
Valeri, Vasili, Viktor, Vitali, Vladimir, Vladislav, Vsevolod, Vyacheslav, Gavriil, Gennadi,
Georgi, Gleb, Grigori, Daniil, Denis, Dmitri, Yevgeni, Yegor, Yefim, Ivan, Igor, Ilya,
Innokenti, Iosif, Kirill, Konstantin, Kuzma, Lev, Leonid, Makar, Maksim, Matvei, Mikhail,
Nikita, Nikolai, Oleg, Pavel, Pyotr, Platon, Prokhor, Roman, Rostislav, Ruslan, Savva, Semyon,
Sergei, Stanislav, Stepan, Taras, Timofei, Trofim, Fyodor, Filipp, Foma, Yuri, Yakov, Yaroslav,
Zakhar, Nazar, Afanasi, Akim, Arkhip, Demyan, Yemelyan, Yermolai, Zinovi, Ignat, Kliment,
Lavrenti, Luka, Mark, Mefodi, Mitrofan, Nestor, Nikifor, Ostap, Potap, Rodion, Spiridon,
Terenti, Tikhon, Ustin, Fedot, Khariton, Yefrem, Anisim, Vikenti, Yevdokim
)";

// Soviet family names.
constexpr std::string_view kRLNm = R"(
Ivanov, Petrov, Sidorov, Smirnov, Kuznetsov, Popov, Vasilyev, Sokolov, Mikhailov, Novikov,
Fyodorov, Morozov, Volkov, Alekseyev, Lebedev, Semyonov, Yegorov, Pavlov, Kozlov, Stepanov,
Nikolayev, Orlov, Andreyev, Makarov, Nikitin, Zakharov, Zaitsev, Solovyov, Borisov, Yakovlev,
Grigoryev, Romanov, Vorobyov, Sergeyev, Kuzmin, Frolov, Aleksandrov, Dmitriyev, Korolyov, Gusev,
Kiselyov, Ilyin, Maksimov, Polyakov, Sorokin, Vinogradov, Kovalyov, Belov, Medvedev, Antonov,
Tarasov, Zhukov, Baranov, Filippov, Komarov, Davydov, Belyayev, Gerasimov, Bogdanov, Osipov,
Matveyev, Titov, Markov, Mironov, Krylov, Kulikov, Karpov, Vlasov, Melnikov, Denisov, Gavrilov,
Tikhonov, Kazakov, Afanasyev, Danilov, Savelyev, Timofeyev, Fomin, Chernov, Abramov, Martynov,
Yefimov, Fedotov, Shcherbakov, Nazarov, Kalinin, Isayev, Chernyshov, Bykov, Maslov, Rodionov,
Konovalov, Lazarev, Voronin, Klimov, Filatov, Ponomaryov, Golubev, Kudryavtsev, Prokhorov,
Naumov, Potapov, Zhuravlyov, Ovchinnikov, Trofimov, Leonov, Sobolev, Yermakov, Kolesnikov,
Goncharov, Yemelyanov, Nikiforov, Grachyov, Kotov, Grishin, Yefremov, Arkhipov, Gromov,
Kirillov, Malyshev, Panov, Moiseyev, Rumyantsev, Akimov, Kondratyev, Biryukov, Gorbunov,
Anisimov, Yeremin, Tikhomirov, Galkin, Lukyanov, Mikheyev, Skvortsov, Yudin, Belousov, Nesterov,
Simonov, Prokofyev, Kharitonov, Knyazev, Tsvetkov, Levin, Mitrofanov, Voronov, Aksyonov,
Sofronov, Maltsev, Loginov, Gorshkov, Savin, Krasnov, Mayorov, Demidov, Yeliseyev, Rybakov,
Safonov, Kalashnikov, Subbotin, Shilov, Kuzin, Ignatyev, Zuyev, Kozhevnikov, Bobrov, Zimin,
Suvorov, Fokin, Lapin, Muravyov, Shestakov, Gurov, Sysoyev, Blinov, Kochetkov, Yershov,
Bessonov, Lobanov, Pakhomov, Sazonov, Ulyanov, Bulatov, Tretyakov, Ryabov, Zykov, Savchenko,
Bondarenko, Kovalenko, Shevchenko, Tkachenko, Kravchenko, Lysenko, Marchenko, Moroz, Boyko,
Melnik, Kravets, Tkach, Koval, Oleynik, Rudenko, Pavlenko, Levchenko, Ponomarenko, Kirichenko,
Dyachenko, Yurchenko, Zinchenko, Demchenko, Karpenko, Nazarenko, Tishchenko, Sergienko,
Romanenko, Goncharenko, Fedorenko, Vlasenko, Kuzmenko, Danilenko, Vasilenko, Grigorenko,
Klimenko, Litvinenko, Prikhodko, Avdeyev, Agapov, Andronov, Anufriyev, Arefyev, Artamonov,
Astakhov, Babkin, Bazhenov, Barsukov, Bezrukov, Belkin, Bogomolov, Bolshakov, Borodin, Bragin,
Bulgakov, Burov, Bychkov, Vavilov, Vaganov, Veselov, Vetrov, Vinokurov, Volodin, Voloshin,
Vorontsov, Gladkov, Glebov, Golikov, Golovin, Gordeyev, Gorin, Gorokhov, Gribov, Gubanov,
Gulyayev, Gurin, Davydkin, Degtyaryov, Dementyev, Dorofeyev, Drozdov, Dubov, Dubinin, Dyakov,
Yevdokimov, Yegorychev, Yelagin, Yermolov, Zharov, Zhdanov, Zhilin, Zakharchenko, Zverev, Zubov,
Ivashov, Izmailov, Kapustin, Karasyov, Kartashov, Kashin, Kirsanov, Klyuyev, Kovrigin, Kolobov,
Komissarov, Kondakov, Kornilov, Korovin, Kosygin, Krasilnikov, Kruglov, Kryukov, Kudryashov,
Kulagin, Kupriyanov, Kurochkin, Lavrov, Larionov, Lebedinski, Likhachyov, Lukin, Lvov, Lyapunov,
Malakhov, Malinin, Mamontov, Manakov, Maslennikov, Menshikov, Merkulov, Mishin, Molchanov,
Morgunov, Mukhin, Myasnikov, Nekrasov, Noskov, Obukhov, Ozerov, Orekhov, Ostrovski, Panfilov,
Pankratov, Parfyonov, Penkov, Pestov, Pimenov, Pirogov, Platonov, Pogodin, Polikarpov, Popovich,
Pronin, Pugachyov, Pyatakov, Rakitin, Rogov, Rozhkov, Ryzhov, Samoilov, Sannikov, Seleznyov,
Selivanov, Serov, Sitnikov, Skobelev, Slepov, Smolin, Solntsev, Sotnikov, Sukhov, Tarakanov,
Teterin, Tolstov, Tumanov, Turov, Uvarov, Ushakov, Fadeyev, Fedoseyev, Fetisov, Frolkin,
Khlebnikov, Kholodov, Khrustalyov, Tsaryov, Chaikin, Chekalin, Cherkasov, Chistyakov, Chugunov,
Shapovalov, Sharov, Shatalov, Shirokov, Shishkin, Shubin, Shuvalov, Shchukin, Yurlov, Yakushev,
Yastrebov
)";

// Polish given names.
constexpr std::string_view kPFNm = R"(
Adam, Aleksander, Andrzej, Antoni, Bogdan, Bogumil, Boleslaw, Bronislaw, Czeslaw, Dariusz,
Edmund, Edward, Eugeniusz, Feliks, Franciszek, Henryk, Hieronim, Ignacy, Jan, Janusz, Jerzy,
Jozef, Julian, Kazimierz, Karol, Konrad, Leon, Leszek, Ludwik, Marian, Mariusz, Mieczyslaw,
Michal, Mikolaj, Pawel, Piotr, Roman, Ryszard, Stanislaw, Stefan, Tadeusz, Tomasz, Waclaw,
Wieslaw, Wincenty, Witold, Wladyslaw, Wojciech, Zbigniew, Zdzislaw, Zygmunt, Bernard, Brunon,
Damian, Emil, Gustaw, Jakub, Kajetan, Lucjan, Maciej, Marek, Norbert, Rafal, Seweryn, Teodor,
Walenty, Zenon
)";

// Polish family names.
constexpr std::string_view kPLNm = R"(
Nowak, Kowalski, Wisniewski, Wojcik, Kowalczyk, Kaminski, Lewandowski, Zielinski, Szymanski,
Wozniak, Dabrowski, Kozlowski, Jankowski, Mazur, Kwiatkowski, Krawczyk, Piotrowski, Grabowski,
Nowakowski, Pawlowski, Michalski, Nowicki, Adamczyk, Dudek, Zajac, Wieczorek, Jablonski, Krol,
Majewski, Olszewski, Jaworski, Wrobel, Malinowski, Pawlak, Witkowski, Walczak, Stepien, Gorski,
Rutkowski, Michalak, Sikora, Ostrowski, Baran, Duda, Szewczyk, Tomaszewski, Pietrzak, Marciniak,
Wroblewski, Zalewski, Jakubowski, Jasinski, Zawadzki, Sadowski, Bak, Chmielewski, Wlodarczyk,
Borkowski, Czarnecki, Sawicki, Sokolowski, Urbanski, Kubiak, Maciejewski, Szczepanski,
Kucharski, Wilk, Kalinowski, Lis, Mazurek, Wysocki, Adamski, Kazmierczak, Wasilewski, Sobczak,
Czerwinski, Andrzejewski, Cieslak, Glowacki, Zakrzewski, Kolodziej, Sikorski, Krajewski,
Gajewski, Szymczak, Szulc, Baranowski, Laskowski, Brzezinski, Makowski, Ziolkowski, Przybylski
)";

// British and Commonwealth given names.
constexpr std::string_view kBFNm = R"(
Albert, Alfred, Alan, Alexander, Alistair, Andrew, Angus, Anthony, Archibald, Arthur, Basil,
Benjamin, Bernard, Bertram, Brian, Bruce, Cecil, Cedric, Charles, Christopher, Clifford, Clive,
Colin, Cyril, Daniel, David, Denis, Derek, Desmond, Donald, Douglas, Duncan, Edgar, Edmund,
Edward, Edwin, Eric, Ernest, Eustace, Francis, Frank, Frederick, Geoffrey, George, Gerald,
Gilbert, Gordon, Graham, Harold, Harry, Henry, Herbert, Horace, Hubert, Hugh, Ian, Ivor, James,
John, Jack, Joseph, Keith, Kenneth, Lawrence, Leonard, Leslie, Lionel, Malcolm, Maurice,
Michael, Montague, Neville, Nigel, Noel, Norman, Oliver, Oswald, Patrick, Percy, Peter, Philip,
Ralph, Raymond, Reginald, Richard, Robert, Robin, Roderick, Roger, Ronald, Roy, Rupert, Samuel,
Sidney, Stanley, Stephen, Stuart, Terence, Thomas, Timothy, Trevor, Victor, Vincent, Walter,
Wilfred, William, Bertie, Cuthbert, Dudley, Evelyn, Ewan, Fergus, Giles, Gwilym, Hamish,
Humphrey, Iain, Jocelyn, Lance, Lindsay, Murray, Nevil, Quentin, Rex, Rodney, Ross, Rowland,
Selwyn, Sholto, Trefor, Wallace, Wyndham, Alec, Alastair, Bryan, Dennis, Emrys, Glyn, Hector
)";

// British and Commonwealth family names.
constexpr std::string_view kBLNm = R"(
Smith, Jones, Williams, Taylor, Brown, Davies, Evans, Wilson, Thomas, Johnson, Roberts,
Robinson, Thompson, Wright, Walker, White, Edwards, Hughes, Green, Hall, Lewis, Harris, Clarke,
Jackson, Wood, Turner, Martin, Cooper, Hill, Ward, Morris, Moore, Clark, Lee, King, Baker,
Harrison, Morgan, Allen, James, Scott, Phillips, Watson, Davis, Parker, Price, Bennett, Young,
Griffiths, Mitchell, Kelly, Cook, Carter, Richardson, Bailey, Collins, Bell, Shaw, Murphy,
Miller, Cox, Richards, Marshall, Anderson, Simpson, Ellis, Adams, Wilkinson, Foster, Chapman,
Powell, Webb, Rogers, Gray, Mason, Hunt, Campbell, Matthews, Owen, Palmer, Holmes, Mills,
Barnes, Knight, Lloyd, Butler, Russell, Barker, Fisher, Stevens, Jenkins, Murray, Dixon, Harvey,
Graham, Pearson, Fletcher, Walsh, Gibson, Howard, Andrews, Stewart, Elliott, Reynolds, Saunders,
Payne, Fox, Ford, Pearce, Day, Brooks, West, Lawrence, Cole, Atkinson, Bradley, Spencer, Gill,
Dawson, Ball, Burton, O'Brien, Watts, Rose, Booth, Perry, Ryan, Grant, Wells, Armstrong,
Francis, Rees, Hayes, Hart, Hudson, Newman, Barrett, Webster, Hunter, Gregory, Carr, Lowe, Page,
Marsh, Riley, Dunn, Woods, Parsons, Berry, Stone, Reid, Holland, Hawkins, Harding, Porter,
Robertson, Newton, Oliver, Reed, Kennedy, Williamson, Bird, Gardner, Dean, Lane, Cooke, Bates,
Henderson, Parry, Burgess, Bishop, Walton, Burns, Nicholson, Shepherd, Ross, Cross, Long,
Freeman, Warren, Nicholls, Hamilton, Byrne, Sutton, McDonald, Yates, Hodgson, Robson, Curtis,
Hopkins, O'Connor, Harper, Coleman, Watkins, Moss, McCarthy, Chambers, Drew, Griffin, Sharp
)";

// Dutch given names.
constexpr std::string_view kDuFNm = R"(
Adriaan, Albert, Alexander, Anton, Antonius, Arie, Arnold, Bart, Bastiaan, Bernard, Bram,
Cornelis, Dirk, Eduard, Egbert, Evert, Frans, Frederik, Gerard, Gerrit, Gijsbert, Hans, Hendrik,
Herman, Hubertus, Izaak, Jacob, Jacobus, Jan, Jeroen, Johan, Johannes, Joost, Jozef, Karel,
Klaas, Koen, Laurens, Leendert, Lodewijk, Maarten, Marinus, Martinus, Matthijs, Maurits,
Nicolaas, Otto, Paulus, Pieter, Reinier, Richard, Rijk, Rob, Roelof, Rudolf, Rutger, Sander,
Simon, Sjoerd, Steven, Teunis, Theodoor, Thijs, Tjeerd, Victor, Willem, Wouter, Wim, Aart, Ad,
Barend, Bernardus, Coen, Daan, Douwe, Folkert, Floris, Govert, Harm, Hidde, Jelle, Job,
Jurriaan, Kees, Lambert, Menno, Niek, Ouke, Pim, Sietse, Sybrand, Tijmen, Ubbo, Wessel, Wiebe,
Ype, Gosse
)";

// Dutch family names.
constexpr std::string_view kDuLNm = R"(
de Jong, Jansen, de Vries, van den Berg, van Dijk, Bakker, Janssen, Visser, Smit, Meijer,
de Boer, Mulder, de Groot, Bos, Vos, Peters, Hendriks, van Leeuwen, Dekker, Brouwer, de Wit,
Dijkstra, Smits, de Graaf, van der Meer, van der Linden, Kok, Jacobs, de Haan, Vermeulen,
van den Heuvel, van der Veen, van den Broek, de Bruijn, de Bruin, van der Heijden, Schouten,
van Beek, Willems, van Vliet, van de Ven, Hoekstra, Maas, Verhoeven, Koster, van Dam,
van der Wal, Prins, Blom, Huisman, Peeters, de Jonge, Kuipers, van Veen, Post, Kuiper, Veenstra,
Kramer, van den Brink, Scholten, van Wijk, Postma, Martens, Vink, de Ruiter, Timmermans, Groen,
Gerritsen, Jonker, van Loon, Boer, van der Velde, Willemsen, Smeets, de Lange, de Vos, Bosch,
van Dongen, Schipper, de Koning, van der Laan, Koning, van der Velden, Driessen, van Doorn,
Hermans, Evers, van den Bosch, van der Meulen, Hofman, Bosman, Wolters, Sanders, van der Horst,
Mol, Kuijpers, Molenaar, van de Pol, de Leeuw, Verbeek, Hartman, Wijnands, Brinkman, Zwart,
Meester
)";

// French given names.
constexpr std::string_view kFrFNm = R"(
Adrien, Albert, Alexandre, Alfred, Andre, Antoine, Armand, Arnaud, Auguste, Bernard, Bertrand,
Camille, Charles, Christian, Claude, Clement, Daniel, Denis, Edmond, Edouard, Emile, Emmanuel,
Etienne, Eugene, Felix, Fernand, Francis, Francois, Frederic, Gabriel, Gaston, Georges, Gerard,
Gilbert, Guillaume, Gustave, Henri, Hubert, Jacques, Jean, Joseph, Jules, Julien, Laurent, Leon,
Louis, Lucien, Marc, Marcel, Marius, Maurice, Maxime, Michel, Nicolas, Olivier, Pascal, Paul,
Philippe, Pierre, Raoul, Raymond, Rene, Robert, Roger, Roland, Serge, Simon, Theodore, Thierry,
Victor, Xavier, Yves, Achille, Aime, Alain, Ambroise, Anatole, Aristide, Benoit, Honore, Lazare
)";

// French family names.
constexpr std::string_view kFrLNm = R"(
Martin, Bernard, Dubois, Thomas, Robert, Richard, Petit, Durand, Leroy, Moreau, Simon, Laurent,
Lefebvre, Michel, Garcia, David, Bertrand, Roux, Vincent, Fournier, Morel, Girard, Andre,
Lefevre, Mercier, Dupont, Lambert, Bonnet, Francois, Martinez, Legrand, Garnier, Faure,
Rousseau, Blanc, Guerin, Muller, Henry, Roussel, Nicolas, Perrin, Morin, Mathieu, Clement,
Gauthier, Dumont, Lopez, Fontaine, Chevalier, Robin, Masson, Sanchez, Gerard, Nguyen, Boyer,
Denis, Lemaire, Duval, Joly, Gautier, Roger, Roche, Roy, Noel, Meyer, Lucas, Meunier, Jean,
Perez, Marchand, Dufour, Blanchard, Marie, Barbier, Brun, Dumas, Brunet, Schmitt, Leroux, Colin,
Fernandez, Pierre, Renard, Arnaud, Rolland, Caron, Aubert, Giraud, Leclerc, Vidal, Bourgeois,
Renaud, Lemoine, Picard, Gaillard, Philippe, Leclercq, Lacroix, Fabre, Dupuis, Olivier,
Rodriguez, Da Silva, Hubert, Louis, Charles, Guillot, Riviere, Le Gall, Guillaume, Adam, Rey,
Moulin, Gonzalez, Berger, Lecomte, Menard, Fleury, Deschamps, Carpentier, Julien, Benoit, Paris,
Maillard, Marchal, Aubry, Vasseur, Le Roux, Renault, Jacquet, Collet, Prevost, Poirier,
Charpentier, Royer, Huet, Baron, Dupuy, Pons, Paul, Laine, Carre, Breton, Remy, Schneider,
Perrot, Guyot, Barre, Marty, Cousin, Marin
)";

// American given names.
constexpr std::string_view kAFNm = R"(
James, John, Robert, Michael, William, David, Richard, Charles, Joseph, Thomas, Christopher,
Daniel, Paul, Mark, Donald, George, Kenneth, Steven, Edward, Brian, Ronald, Anthony, Matthew,
Gary, Timothy, Larry, Jeffrey, Frank, Scott, Eric, Stephen, Andrew, Raymond, Gregory, Jerry,
Dennis, Walter, Patrick, Peter, Harold, Douglas, Henry, Carl, Arthur, Roger, Jack, Albert,
Jonathan, Terry, Gerald, Keith, Samuel, Ralph, Lawrence, Nicholas, Roy, Benjamin, Bruce, Adam,
Harry, Fred, Wayne, Louis, Aaron, Randy, Howard, Eugene, Russell, Victor, Martin, Ernest,
Phillip, Todd, Jesse, Craig, Alan, Clarence, Philip, Earl, Antonio, Bryan, Stanley, Leonard,
Nathan, Dale, Rodney, Curtis, Norman, Allen, Marvin, Vincent, Glenn, Jacob, Lee, Melvin, Alfred,
Francis, Bradley, Herbert, Frederick, Ray, Joel, Edwin, Don, Eddie, Troy, Randall, Barry,
Alexander, Bernard, Mario, Leroy, Marcus, Theodore, Clifford, Oscar, Jay, Calvin, Alex, Jon,
Lloyd, Leon, Derek, Warren, Darrell, Jerome, Floyd, Leo, Alvin, Wesley, Gordon, Dean, Lewis,
Herman, Maurice, Vernon, Clyde, Glen, Hector, Lester, Charlie, Gilbert, Gene, Marc, Reginald,
Ruben, Brett, Angel, Nathaniel, Rafael, Leslie, Edgar, Milton, Chester, Cecil, Duane, Franklin,
Andre, Elmer, Gabriel, Mitchell, Roland, Arnold, Harvey, Adrian, Karl, Claude, Erik, Darryl,
Neil, Christian, Clinton, Ted, Lonnie, Lance, Kurt, Allan, Nelson, Guy, Clayton, Hugh, Max,
Dwayne, Dwight, Felix, Everett, Jordan, Ian, Wallace, Ivan, Sidney, Byron, Julian, Isaac,
Morris, Clifton, Willard, Daryl, Ross, Virgil, Marshall, Perry, Kirk, Marion, Seth, Kent, Rene,
Terrence, Wade, Austin, Stuart, Fredrick, Luther, Wendell, Jeremiah, Evan, Julius, Otis, Trevor,
Oliver, Luke, Homer, Gerard, Hubert, Angelo, Shaun, Lyle, Alfonso, Orlando, Rex, Carlton,
Cameron, Neal, Lorenzo, Omar, Wilbur, Blake, Grant, Horace, Roderick, Kerry, Abraham, Willis,
Jean, Ira, Malcolm, Rudolph, Damon, Kelvin, Rudy, Preston, Alton, Archie, Marco, Randolph,
Garry, Geoffrey, Dominic, Robin, Loren, Delbert, Colin, Earnest, Lucas, Noel, Spencer, Myron,
Edmund, Garrett, Salvatore, Cedric, Lowell, Gregg, Sherman, Wilson, Sylvester, Roosevelt,
Israel, Forrest, Wilbert, Leland, Simon, Clark, Irving, Carroll, Bryant, Owen, Rufus, Woodrow,
Mack, Levi, Jake, Lionel, Taylor, Ellis, Dallas, Nicolas, Laurence, Ismael, Orville, Ervin,
Dewey, Wilfred, Hugo, Caleb, Sheldon, Stewart, Doyle, Darrel, Terence, Alonzo, Elias, Bert,
Elbert, Conrad, Noah, Grady, Cornelius, Lamar, Clay, Percy, Dexter, Bradford, Merle, Amos,
Terrell, Moses, Irvin, Saul, Roman, Winston, Abel, Boyd, Elijah, Cary, Aubrey, Emmett, Marlon,
Emanuel, Jerald, Edmond
)";

// American family names.
constexpr std::string_view kALNm = R"(
Smith, Johnson, Williams, Brown, Jones, Miller, Davis, Wilson, Anderson, Taylor, Thomas, Moore,
Martin, Jackson, Thompson, White, Harris, Clark, Lewis, Robinson, Walker, Young, Allen, King,
Wright, Scott, Hill, Green, Adams, Nelson, Baker, Hall, Campbell, Mitchell, Carter, Roberts,
Phillips, Evans, Turner, Parker, Collins, Edwards, Stewart, Morris, Murphy, Cook, Rogers,
Morgan, Cooper, Peterson, Reed, Bailey, Bell, Kelly, Howard, Ward, Cox, Richardson, Wood,
Watson, Brooks, Bennett, Gray, James, Hughes, Price, Sanders, Myers, Long, Ross, Foster, Powell,
Jenkins, Perry, Russell, Sullivan, Butler, Barnes, Fisher, Henderson, Coleman, Simmons,
Patterson, Jordan, Reynolds, Hamilton, Graham, Wallace, Cole, West, Stevens, Marshall, Hayes,
Gibson, Ellis, McDonald, Harrison, Wells, Kennedy, Crawford, Griffin, Hunt, Rice, Mason, Hunter,
Hicks, Black, Porter, Palmer, Tucker, Ford, Ferguson, Stone, Dixon, Burns, Warren, Mills, Meyer,
Rose, Holmes, Fox, Knight, Grant, Hudson, Webb, Wagner, Lawrence, Bryant, Andrews, Schmidt,
Riley, Carpenter, Arnold, Spencer, Hart, Shaw, Gardner, Payne, Dunn, Berry, Lane, Armstrong,
Olson, Ryan, Weaver, Ray, Elliott, Snyder, Hanson, Sims, Bishop, Harper, Cunningham, Matthews,
Burke, Chapman, Carroll, Duncan, Freeman, Wheeler, Hawkins, Jensen, Kelley, Perkins, Little,
Pierce, Franklin, Bradley, Carlson, Robertson, Hansen, Larson, Lynch, Day, Fields, Austin,
Harvey, Welch, Fuller, Nichols, Peters, Shelton, Watkins, Stephens, Gordon, Howell, Wade,
Greene, Woods, Willis, Ramsey, Mccoy, Lucas, Newman, Walsh, Sutton, Cannon, Baldwin, Owens,
Reid, Oliver, Holland, Weber, Lowe, Beck, Parsons, Barker, Frank, Douglas, Barrett, Schneider,
Fleming, Curtis, Norris, Rhodes, Hoffman, Richards, Walters, Williamson, Harrington, Pearson,
Caldwell, Warner, Mann, Chambers, Cobb, Brady, Gilbert, Garrett, Murray, Banks, Moran, Sherman,
Hale, Hopkins, Bowman, Hodges, Lambert, Wolfe, Burton, Becker, Kramer, Jacobs, Horton, Tyler,
Quinn, Klein, Flynn, Swanson, Powers, Mcdaniel, Bates, Gross, Keller, Fowler, Ballard, Lyons,
Sharp, Maxwell, Fischer, Hubbard, Saunders, Thornton, Bush, Sparks, Mccarthy, Benson, Hardy,
Zimmerman, Steele, Love, Morton, Osborne, Marsh, Floyd, Lindsey, Dawson, Mullins, Harmon,
Farmer, Cross, Vaughn, Gill, Boyd, Craig, Bowen, Goodwin, Brewer, Lawson, Mcgee, Buchanan,
Sawyer, Gentry, Nash, Conrad, Stanley, Donovan, Rowe, Fitzgerald, Sheppard, Blake, Hammond,
Poole, Hogan, Larsen, Boone, Dalton, Haynes, Cummings, Leonard, Cain, Reeves, Bruce, Glenn,
Mack, Bond, Doyle
)";

// German given names.
constexpr std::string_view kGFNm = R"(
Adolf, Albert, Albrecht, Alexander, Alfred, Alois, Andreas, Anton, Arnold, Arthur, August,
Bernhard, Bruno, Carl, Christian, Christoph, Dieter, Dietrich, Eberhard, Eduard, Egon, Emil,
Erhard, Erich, Ernst, Erwin, Eugen, Ewald, Felix, Ferdinand, Franz, Friedrich, Fritz, Georg,
Gerhard, Gottfried, Guenther, Gustav, Hans, Harald, Hartmut, Heinrich, Heinz, Helmut, Herbert,
Hermann, Horst, Hubert, Hugo, Ingo, Jakob, Joachim, Johann, Johannes, Josef, Juergen, Julius,
Karl, Klaus, Konrad, Kurt, Leo, Leopold, Lothar, Ludwig, Manfred, Martin, Max, Michael, Norbert,
Oskar, Otto, Paul, Peter, Reinhard, Reinhold, Richard, Robert, Rolf, Rudolf, Rupert, Siegfried,
Stefan, Theodor, Thomas, Ulrich, Volker, Walter, Werner, Wilhelm, Willi, Wolfgang, Adalbert,
Anselm, Armin, Balthasar, Benno, Burkhard, Detlev, Edmund, Eckhard, Elmar, Engelbert, Falk,
Friedhelm, Gebhard, Gerd, Gisbert, Gunther, Hasso, Heiner, Helmuth, Hennig, Hinrich, Immanuel,
Jochen, Kaspar, Konstantin, Lorenz, Ludger, Lutz, Magnus, Markus, Matthias, Meinrad, Moritz,
Nikolaus, Oswald, Rainer, Roland, Ruediger, Sebastian, Siegmund, Ulf, Uwe, Viktor, Waldemar,
Wendelin, Wenzel, Wilfried, Winfried
)";

// German family names.
constexpr std::string_view kGLNm = R"(
Mueller, Schmidt, Schneider, Fischer, Weber, Meyer, Wagner, Becker, Schulz, Hoffmann, Schaefer,
Koch, Bauer, Richter, Klein, Wolf, Schroeder, Neumann, Schwarz, Zimmermann, Braun, Krueger,
Hofmann, Hartmann, Lange, Schmitt, Werner, Schmitz, Krause, Meier, Lehmann, Schmid, Schulze,
Maier, Koehler, Herrmann, Koenig, Walter, Mayer, Huber, Kaiser, Fuchs, Peters, Lang, Scholz,
Moeller, Weiss, Jung, Hahn, Schubert, Vogel, Friedrich, Keller, Guenther, Frank, Berger,
Winkler, Roth, Beck, Lorenz, Baumann, Franke, Albrecht, Schuster, Simon, Ludwig, Boehm, Winter,
Kraus, Martin, Schumacher, Kraemer, Vogt, Stein, Jaeger, Otto, Sommer, Gross, Seidel, Heinrich,
Brandt, Haas, Schreiber, Graf, Schulte, Dietrich, Ziegler, Kuhn, Kuehn, Pohl, Engel, Horn,
Busch, Bergmann, Thomas, Voigt, Sauer, Arnold, Wolff, Pfeiffer, Ritter, Lindner, Rauch, Kessler,
Ernst, Brenner, Eckert, Hauser, Wendt, Seifert, Dietz, Reuter, Wolter, Ebert, Mertens, Kuhlmann,
Lenz, Marx, Sander, Schenk, Gerber, Hesse, Kroll, Lutz, Moser, Noack, Pape, Raab, Reinhardt,
Rieger, Roemer, Schilling, Stahl, Thiel, Ulrich, Vogler, Wendel, Wirth, Zeller, Hartwig,
Balthasar
)";

// Hungarian given names.
constexpr std::string_view kHFNm = R"(
Andras, Antal, Arpad, Attila, Bela, Bertalan, Dezso, Denes, Erno, Ferenc, Gabor, Geza, Gyorgy,
Gyula, Imre, Istvan, Janos, Jeno, Jozsef, Kalman, Karoly, Lajos, Laszlo, Lorand, Lorinc, Matyas,
Miklos, Mihaly, Nandor, Pal, Peter, Rezso, Robert, Sandor, Tamas, Tibor, Vilmos, Zoltan,
Zsigmond, Adam, Albert, Aladar, Balazs, Barnabas, Csaba, Elemer, Endre, Ervin, Gergely, Gusztav,
Henrik, Jakab, Kelemen, Kornel, Lehel, Lorant, Marton, Oszkar, Otto, Szilard, Tivadar, Vince,
Aurel, Bence, Benedek, Dani, Domonkos, Egon, Emil, Frigyes, Gaspar, Gedeon, Ignac, Ivan,
Kristof, Levente, Menyhert, Ottokar, Pongrac, Rudolf, Sebestyen, Tihamer, Zalan
)";

// Hungarian family names.
constexpr std::string_view kHLNm = R"(
Nagy, Kovacs, Toth, Szabo, Horvath, Varga, Kiss, Molnar, Nemeth, Farkas, Balogh, Papp, Takacs,
Juhasz, Lakatos, Meszaros, Olah, Simon, Racz, Fekete, Szilagyi, Torok, Feher, Balazs, Gal, Kis,
Szucs, Kocsis, Orsos, Pinter, Fodor, Szalai, Sipos, Magyar, Lukacs, Gulyas, Biro, Kiraly,
Katona, Laszlo, Jakab, Bogdan, Balog, Sandor, Boros, Fazekas, Kelemen, Antal, Orban, Somogyi,
Vincze, Hegedus, Deak, Pap, Bakos, Vass, Hajdu, Szekely, Dudas, Bozsik, Kertesz, Csizmadia,
Benko, Gyorgy, Fulop, Szekeres, Halasz, Barta, Bognar
)";

// Italian given names.
constexpr std::string_view kItFNm = R"(
Adriano, Alberto, Aldo, Alessandro, Alfredo, Amedeo, Andrea, Angelo, Antonio, Armando, Arnaldo,
Arturo, Attilio, Augusto, Bartolomeo, Benedetto, Bruno, Carlo, Cesare, Claudio, Corrado, Dante,
Dario, Davide, Domenico, Edoardo, Emilio, Enrico, Enzo, Ercole, Ettore, Eugenio, Fabio,
Federico, Felice, Ferdinando, Filippo, Franco, Francesco, Gabriele, Gaetano, Giacomo, Giancarlo,
Gianni, Gino, Giorgio, Giovanni, Giulio, Giuseppe, Guido, Ignazio, Italo, Leonardo, Lorenzo,
Luca, Luciano, Luigi, Mario, Marco, Massimo, Matteo, Mauro, Michele, Nicola, Oreste, Orlando,
Ottavio, Paolo, Pasquale, Piero, Pietro, Raffaele, Renato, Riccardo, Roberto, Rocco, Romano,
Rodolfo, Salvatore, Sandro, Sergio, Silvio, Stefano, Teodoro, Tommaso, Tullio, Ugo, Umberto,
Valerio, Vincenzo, Vito, Vittorio, Agostino, Alfonso, Ambrogio, Annibale, Antonino, Aurelio,
Baldassare, Battista, Calogero, Camillo, Carmine, Cirillo, Costantino, Cristoforo, Damiano,
Egidio, Elio, Emanuele, Erminio, Fausto, Fiorenzo, Flavio, Fortunato, Fulvio, Gerardo, Gherardo,
Girolamo, Gualtiero, Innocenzo, Lamberto, Leone, Libero, Livio, Manlio, Marcello, Marino, Mirko,
Nazzareno, Nino, Orazio, Osvaldo, Raimondo, Remo, Rinaldo, Romolo, Sabatino, Saverio, Settimio,
Severino, Silvano, Tiziano, Valentino, Virgilio
)";

// Italian family names.
constexpr std::string_view kItLNm = R"(
Rossi, Russo, Ferrari, Esposito, Bianchi, Romano, Colombo, Ricci, Marino, Greco, Bruno, Gallo,
Conti, De Luca, Mancini, Costa, Giordano, Rizzo, Lombardi, Moretti, Barbieri, Fontana, Santoro,
Mariani, Rinaldi, Caruso, Ferrara, Galli, Martini, Leone, Longo, Gentile, Martinelli, Vitale,
Lombardo, Serra, Coppola, De Santis, D'Angelo, Marchetti, Parisi, Villa, Conte, Ferraro, Ferri,
Fabbri, Bianco, Marini, Grasso, Valentini, Messina, Sala, De Angelis, Gatti, Pellegrini,
Palumbo, Sanna, Farina, Rizzi, Monti, Cattaneo, Morelli, Amato, Silvestri, Mazza, Testa, Grassi,
Pellegrino, Carbone, Giuliani, Benedetti, Barone, Rossetti, Caputo, Montanari, Guerra, Palmieri,
Bernardi, Martino, Fiore, De Rosa, Ferretti, Bellini, Basile, Riva, Donati, Piras, Vitali,
Battaglia, Sartori, Neri, Costantini, Milani, Pagano, Ruggiero, Sorrentino, D'Amico, Orlando,
Negri, Visconti, Lucchini, Zorzi, Franchini, Sarti, Bassi, Benassi, Borghi, Canepa, Fumagalli,
Guidi, Lanza, Marchi, Melis, Nardi, Orsini, Pace, Pozzi, Rota, Tosi, Zanetti
)";

// Romanian given names.
constexpr std::string_view kRoFNm = R"(
Alexandru, Andrei, Anton, Aurel, Bogdan, Constantin, Cristian, Dan, Dumitru, Emil, Eugen,
Florin, Gheorghe, Grigore, Horia, Ilie, Ioan, Ion, Iosif, Liviu, Marin, Mihai, Mircea, Nicolae,
Octavian, Ovidiu, Petre, Radu, Serban, Stefan, Traian, Valeriu, Vasile, Victor, Virgil, Costica,
Dragos, Gavril, Lucian
)";

// Romanian family names.
constexpr std::string_view kRoLNm = R"(
Popescu, Ionescu, Popa, Pop, Radu, Dumitru, Stan, Stoica, Gheorghe, Matei, Ciobanu, Constantin,
Rusu, Mihai, Munteanu, Dinu, Diaconu, Marin, Florea, Lupu, Moldovan, Barbu, Ene, Ilie, Vasile,
Nistor, Toma, Tudor, Dobre, Serban, Preda, Dima, Oprea, Cristea, Mocanu, Neagu, Lazar, Voicu,
Anghel, Iordache, Cojocaru, Badea, Nita, Manea, Ungureanu, Sandu, Constantinescu, Stanciu,
Petrescu, Georgescu, Dumitrescu, Vasilescu, Teodorescu, Niculescu, Marinescu, Dragomir
)";

// Slovak given names.
constexpr std::string_view kSkFNm = R"(
Anton, Alojz, Andrej, Augustin, Bohumil, Bohuslav, Cyril, Dusan, Emil, Eugen, Frantisek, Gejza,
Gustav, Igor, Imrich, Ivan, Jan, Jakub, Jaroslav, Jozef, Julius, Karol, Koloman, Ladislav,
Ludovit, Marian, Martin, Matej, Metod, Michal, Milan, Milos, Miroslav, Ondrej, Pavol, Peter,
Rudolf, Samuel, Stefan, Stanislav, Svetozar, Tomas, Viliam, Vladimir, Vojtech, Zdenko, Ernest,
Fedor, Ferdinand, Ignac, Izidor, Juraj, Kamil, Leopold, Lubomir, Lukas, Mikulas, Oskar, Robert,
Roman, Silvester, Teodor, Valent, Vendelin, Vincent
)";

// Slovak family names.
constexpr std::string_view kSkLNm = R"(
Horvath, Kovac, Varga, Toth, Nagy, Balaz, Szabo, Molnar, Balog, Lukac, Novak, Kral, Hudak,
Kollar, Nemeth, Oravec, Simko, Polak, Kovacik, Mikula, Gajdos, Baranek, Ondrejka, Kucera,
Sloboda, Bartos, Blaho, Cerny, Danko, Dudas, Durica, Fabian, Ferenc, Gabris, Galik, Hlavac,
Hornak, Hrubes, Jancek, Janik, Jurik, Kalina, Kasa, Klimek, Kmet, Kocur, Kollarik, Kovalik,
Krajci, Kubik, Kucharik, Kukucka, Lacko, Lesko, Macek, Majer, Marek, Matus, Medved, Mihalik,
Mikus, Mojzis, Moravcik, Murin, Nagyova, Novotny, Olah, Ondrus, Pavlik, Petras, Petrik, Pollak,
Rusnak, Sedlak, Sestak, Sima, Slovak, Sokol, Stefanik, Stofko, Strba, Sykora, Tomko, Urban,
Vavrik, Vlcek, Zajac, Zeman, Zelenak, Zubek, Bencik, Cvik, Drobny, Fiala, Gregor, Hanak, Husar,
Janosik, Jurkovic, Lipka, Mako, Dvorak, Svec, Mach, Kuzma, Fedor, Bednar, Repka, Zvara, Adamec,
Klobucnik, Mrva, Hatala, Jakubec, Pisarcik
)";

// Finnish given names.
constexpr std::string_view kFFNm = R"(
Aarne, Aatos, Aimo, Aki, Aleksi, Antero, Antti, Ari, Arvo, Asko, Atte, Aulis, Eero, Eino, Eljas,
Erkki, Esa, Esko, Heikki, Heino, Helge, Henrik, Ilmari, Ismo, Jaakko, Jalmari, Janne, Jarmo,
Jukka, Juha, Juho, Jussi, Kaarlo, Kalervo, Kalevi, Kari, Kauko, Keijo, Kimmo, Klaus, Kosti,
Kustaa, Lassi, Lauri, Leo, Leevi, Markku, Martti, Matti, Mauno, Mika, Mikko, Niilo, Niko, Olavi,
Olli, Onni, Osmo, Oskari, Paavo, Pasi, Pekka, Pentti, Petri, Raimo, Rauno, Reijo, Reino, Risto,
Sakari, Sami, Santeri, Seppo, Simo, Sulo, Taisto, Tapani, Tapio, Tauno, Teemu, Toivo, Tommi,
Topi, Tuomas, Tuomo, Uolevi, Urho, Uuno, Vaino, Valto, Veikko, Veli, Viljo, Vilho, Voitto, Yrjo,
Aake, Alpo, Armas, Eemeli, Eetu, Elias, Emil, Erik, Hannes, Hemmi, Iivari, Jorma, Jouko, Kaapo,
Kauno, Lenni, Lyly, Nestori, Paavali, Ensio, Reima, Sauli, Selim, Tahvo, Teuvo, Unto, Valde,
Vesa, Aapo, Altti, Arto, Aarno, Ahti, Eemil, Eerikki, Einari, Hannu, Harri, Heimo, Hemmo, Ilkka,
Into, Jalo, Joonas, Juhani, Kalle, Kaino, Kyosti, Mainio, Matias, Mauri, Oiva, Ossi, Pertti,
Rauli, Severi, Sulevi, Tatu, Teppo, Timo, Tuure, Uljas, Valter, Vieno, Viljami
)";

// Finnish family names.
constexpr std::string_view kFLNm = R"(
Korhonen, Virtanen, Makinen, Nieminen, Makela, Hamalainen, Laine, Heikkinen, Koskinen, Jarvinen,
Lehtonen, Lehtinen, Saarinen, Salminen, Heinonen, Niemi, Heikkila, Kinnunen, Salonen, Turunen,
Salo, Laitinen, Tuominen, Rantanen, Karjalainen, Jokinen, Mattila, Savolainen, Lahtinen, Ahonen,
Hiltunen, Hirvonen, Hakkarainen, Leinonen, Kettunen, Miettinen, Koivisto, Rasanen, Leppanen,
Anttila, Karppinen, Lindholm, Toivonen, Peltonen, Manninen, Nurmi, Laaksonen, Lampinen, Hyvonen,
Kallio, Kokkonen, Hakala, Ketola, Kolehmainen, Huttunen, Jaaskelainen, Kiiskinen, Kivela,
Koivula, Kurki, Lahti, Lappalainen, Lassila, Lehto, Lindberg, Lindqvist, Luoma, Mustonen, Nyman,
Ojala, Oksanen, Pelkonen, Pesonen, Pitkanen, Pulkkinen, Rautio, Repo, Riihimaki, Rinne,
Ruotsalainen, Seppala, Sirola, Suominen, Tikkanen, Tolvanen, Vainio, Valtonen, Vartiainen,
Vesterinen, Viitanen, Wikstrom, Aaltonen, Airaksinen, Alanko, Backman, Eskola, Forsman,
Granholm, Haapala, Halonen, Harju, Heino, Holmberg, Honkanen, Huhtala, Ikonen, Immonen,
Jaakkola, Juntunen, Kangas, Kantola, Kauppinen, Keskinen, Kivinen, Kononen, Koponen, Korpela,
Kosonen, Kukkonen, Kuusela, Laakso, Lahtela, Lamminen, Lehtola, Lehtimaki, Luukkonen, Mikkonen,
Moilanen, Nikkila, Niskanen, Nousiainen, Paananen, Partanen, Penttinen, Piirainen, Pohjola,
Puustinen, Rautiainen, Ruokonen, Saarela, Sallinen, Sipila, Sormunen, Sundberg, Tanskanen,
Tervo, Tiainen, Uusitalo, Vaisanen, Vaananen, Pattila, Kyllonen, Huotari, Nissinen, Lumme, Alho,
Puro, Kokko, Nuotio, Siiriainen, Ahokas, Pyotsia, Heinila, Vilppula, Aho, Ahtiainen, Alanen,
Anttonen, Autio, Eronen, Haapanen, Hakulinen, Harjula, Heiskanen, Helminen, Hietala, Hokkanen,
Holopainen, Honkala, Huovinen, Hyvarinen, Ikaheimo, Ilmonen, Ilvonen, Jalonen, Jantunen,
Jussila, Kaartinen, Kaija, Kallioinen, Kangasniemi, Karvonen, Kemppainen, Kiiski, Kivimaki,
Koivunen, Korpi, Kosola, Kuisma, Kulmala, Kuronen, Laakkonen, Lahdenpera, Lehikoinen,
Liimatainen, Loponen, Luostarinen, Maatta, Malinen, Martikainen, Mononen, Nikula, Nurminen,
Ollikainen, Paasonen, Pajunen, Palomaki, Parviainen, Pekkarinen, Pennanen, Pietila, Pihlaja,
Pirinen, Puranen, Raatikainen, Rantala, Reinikainen, Rissanen, Ronkainen, Rytkonen, Saari,
Salmela, Savela, Seppanen, Sihvonen, Sillanpaa, Soininen, Suhonen, Tahvanainen, Takala,
Tervonen, Tirkkonen, Toivanen, Turkka, Tynkkynen, Ukkonen, Vainikainen, Valkama, Vanhanen,
Vauhkonen, Viljanen, Virolainen, Vuorinen, Ylinen
)";

// Japanese given names.
constexpr std::string_view kJFNm = R"(
Akira, Akio, Atsushi, Daisuke, Eiji, Fujio, Fumio, Goro, Hajime, Haruo, Hideki, Hideo, Hiroshi,
Hisashi, Ichiro, Isamu, Isao, Jiro, Jun, Kazuo, Kenji, Kenichi, Kiyoshi, Koichi, Kunio, Makoto,
Masaaki, Masao, Masaru, Minoru, Mitsuo, Nobuo, Noboru, Norio, Osamu, Saburo, Satoru, Shigeru,
Shiro, Shoji, Susumu, Tadashi, Takashi, Takeo, Taro, Teruo, Tetsuo, Toshio, Tsutomu, Yasuo,
Yoshio, Yuji, Yukio, Yutaka, Akiyoshi, Eizo, Fusata, Genzo, Hachiro, Hayato, Heiji, Hikaru,
Hiroyoshi, Iwao, Juzo, Kaneyoshi, Katsuzo, Keiji, Kinsuke, Kiyomi, Kosaku, Kuniyoshi, Mamoru,
Masanobu, Masatake, Matsuo, Michio, Moriyasu, Motoi, Naoshi, Nobuyuki, Ryoji, Sadao, Sakae,
Seiji, Shigeo, Shizuo, Shunichi, Sueo, Tadao, Takeshi, Tamotsu, Tatsuo, Tomio, Toru, Toshiaki,
Toyoharu, Tsuneo, Wataru, Yasuhiko, Yoichi, Yoshikazu, Yoshimi, Yoshinori, Yozo, Yuzo, Zenjiro,
Bunzo, Chikara, Chuichi, Daizo, Eisaku, Gen, Gonpei, Harumi, Hideaki, Hidetoshi, Hiroyuki,
Hisao, Hitoshi, Ikuo, Isoroku, Jinichi, Kakuji, Kan, Kazuma, Kazuyoshi, Kenjiro, Kiichi, Kojiro,
Kotaro, Kumaji, Masahiro, Masayuki, Misao, Mitsugu, Mutsuo, Naoki, Nobutaka, Noriyuki, Rokuro,
Ryosuke, Ryuji, Sanae, Seizo, Shinichi, Shinji, Shozo, Sojiro, Takayoshi, Takuji, Tokuji,
Toshiyuki, Toyo, Toyoji, Tsuyoshi, Umeo, Yasushi, Yoshiaki, Yoshihiro, Yoshito, Yukichi, Zenji,
Hiromichi, Haruyoshi, Sadamu, Teiichi, Akihiko, Akinori, Atsuo, Chiaki, Eiichi, Eitaro,
Fumihiko, Giichi, Hideyuki, Hiroaki, Hirokazu, Hiromu, Hisayoshi, Hyoe, Ichiji, Iichiro,
Jukichi, Junichi, Junzo, Kaoru, Katsuhiko, Katsumi, Katsuo, Kazuhiko, Kazunori, Keigo, Keisuke,
Kenzo, Kichiro, Kiyoharu, Kiyotaka, Kohei, Koji, Kunihiko, Kyohei, Manabu, Masahiko, Masakazu,
Masami, Masashi, Masato, Masumi, Mitsuhiro, Mitsuru, Morio, Mutsuhiro, Nagayoshi, Naoto,
Nobuhiko, Norihiko, Otoji, Rikichi, Ryoichi, Ryuzo, Sadaaki, Sadayoshi, Sakuji, Seiichi,
Seitaro, Shigeki, Shigenori, Shigetoshi, Shinsaku, Shintaro, Shohei, Shuichi, Shunsuke, Sotaro,
Tadahiko, Tadayoshi, Takahiro, Takao, Takehiko, Takuma, Tatsuya, Teiji, Tetsuya, Tokio,
Tomoyuki, Toshihiko, Toshimitsu, Toyokichi, Tsugio, Tsuneyoshi, Yasuji, Yoshiharu, Yoshimasa,
Yoshitaka, Yoshiyuki, Yuichi, Yukinori, Yusaku, Zenzo
)";

// Japanese family names.
constexpr std::string_view kJLNm = R"(
Sato, Suzuki, Takahashi, Tanaka, Watanabe, Ito, Yamamoto, Nakamura, Kobayashi, Kato, Yoshida,
Yamada, Sasaki, Yamaguchi, Matsumoto, Inoue, Kimura, Hayashi, Shimizu, Yamazaki, Mori, Abe,
Ikeda, Hashimoto, Yamashita, Ishikawa, Nakajima, Maeda, Fujita, Ogawa, Goto, Okada, Hasegawa,
Murakami, Kondo, Ishii, Saito, Sakamoto, Endo, Aoki, Fujii, Nishimura, Fukuda, Ota, Miura,
Fujiwara, Okamoto, Matsuda, Nakagawa, Nakano, Harada, Ono, Tamura, Takeuchi, Kaneko, Wada,
Nakayama, Ishida, Ueda, Morita, Hara, Shibata, Sakai, Kudo, Yokoyama, Miyazaki, Miyamoto,
Uchida, Takagi, Ando, Taniguchi, Ohno, Maruyama, Imai, Takada, Fujimoto, Takeda, Murata, Ueno,
Sugiyama, Masuda, Sugawara, Hirano, Kojima, Otsuka, Chiba, Kubo, Matsui, Iwasaki, Sakurai,
Kinoshita, Noguchi, Matsuo, Nomura, Kikuchi, Sano, Onishi, Sugimoto, Arai, Hamada, Ichikawa,
Furukawa, Mizuno, Komatsu, Shimada, Koyama, Takano, Yamauchi, Nishida, Nishikawa, Igarashi,
Kitamura, Yasuda, Nakata, Kawaguchi, Hirata, Kawasaki, Iida, Yoshikawa, Honda, Kubota, Sawada,
Tsuji, Seki, Yoshimura, Iwata, Nakanishi, Hattori, Higuchi, Fukushima, Kawakami, Nagai,
Matsuoka, Taguchi, Yamanaka, Morimoto, Tsuchiya, Yano, Hirose, Oshima, Akiyama, Ishihara,
Matsushita, Baba, Ozawa, Okabe, Kuroda, Mochizuki, Ishibashi, Horiuchi, Kawamura, Kitagawa,
Yamane, Tanabe, Kurihara, Doi, Sakata, Kishi, Hoshino, Kamata, Kataoka, Hosokawa, Nishiyama,
Omori, Shimomura, Kaneda, Kobori, Ebihara, Ichinose, Nagata, Tomita, Hoshi, Kikuta, Asano,
Hagiwara, Okazaki, Hirai, Kawano, Tsutsumi, Koga, Hori, Uchiyama, Yoshino, Shinohara, Kumagai,
Kawashima, Sugita, Yagi, Takemoto, Miyake, Ishizaka, Okumura, Nozaki, Hosoda, Kano, Tokuda,
Kishimoto, Miyata, Osada, Nagano, Oda, Fukui, Horie, Tachibana, Shiraishi, Inagaki, Wakabayashi,
Kusaka, Kagawa, Obata, Mikami, Tsukamoto, Nishioka, Ogura, Fukumoto, Kuwabara, Minami,
Sekiguchi, Kurosawa, Sakaguchi, Nishino, Kanda, Ogata, Iwamoto, Sugino, Muto, Kanno, Akamatsu,
Ozeki, Hiyama, Nakase, Hamano, Kanzaki, Tsunoda, Kuroiwa, Shimokawa, Ohara, Sekine, Nonaka,
Kamei, Hotta, Yamaoka, Masaki, Arima, Momoi, Adachi, Aida, Aikawa, Akimoto, Amano, Aoyama,
Arakawa, Asada, Asai, Ebina, Fujikawa, Fujimura, Fujinami, Fujioka, Fujisawa, Fukaya, Fukunaga,
Fukuyama, Funaki, Furuta, Hamaguchi, Hanada, Haneda, Hasebe, Hata, Hayakawa, Hayashida, Hida,
Hiraoka, Hirayama, Hisamatsu, Honma, Hosoi, Ichihara, Ichimura, Iijima, Ikegami, Imamura, Inada,
Ishiguro, Ishimaru, Isobe, Itagaki, Iwai, Izumi, Kagami, Kajiwara, Kakehi, Kamiya, Kanai, Kasai,
Kashiwagi, Katayama, Kawabata, Kawai, Kawamoto, Kawase, Kijima, Kimoto, Kitano, Kiyohara,
Kodama, Koike, Koizumi, Komori, Konishi, Kotani, Kumada, Kurata, Kuwahara, Machida, Maki,
Makino, Maruta, Masuyama, Matsubara, Matsukawa, Matsumura, Matsunaga, Matsuzaki, Minagawa,
Miyagawa, Miyashita, Miyoshi, Mizutani, Morikawa, Morishita, Motohashi, Mukai, Murai, Nagashima,
Naito, Nakahara, Nakamoto, Nakao, Nakazawa, Narita, Nishi, Nishimoto, Niwa, Noda, Oba, Ochiai,
Ogino, Ohashi, Oishi, Okubo, Okuda, Onoda, Osawa, Oyama, Saeki, Sakuma, Sakurada, Segawa,
Shibuya, Shimamura, Shinoda, Sonoda, Sugihara, Sugiura, Tabata, Tajima, Takase, Takenaka,
Takemura, Takeshita, Tamaki, Tanimoto, Terada, Toda, Tokunaga, Tominaga, Toyoda, Tsuda, Umeda,
Uno, Wakamatsu, Yamagata, Yamagishi, Yamamura, Yamano, Yanagisawa, Yokota, Yokoi, Yonezawa,
Yoshioka, Yuasa
)";

std::vector<std::string> SplitNames(std::string_view list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    std::string name = Trim(list.substr(start, comma - start));
    if (!name.empty()) names.push_back(std::move(name));
    start = comma + 1;
  }
  return names;
}

PilotNameLists MakeBuiltInNames() {
  PilotNameLists lists;
  lists.RFNm = SplitNames(kRFNm);
  lists.RLNm = SplitNames(kRLNm);
  lists.PFNm = SplitNames(kPFNm);
  lists.PLNm = SplitNames(kPLNm);
  lists.BFNm = SplitNames(kBFNm);
  lists.BLNm = SplitNames(kBLNm);
  lists.DuFNm = SplitNames(kDuFNm);
  lists.DuLNm = SplitNames(kDuLNm);
  lists.FrFNm = SplitNames(kFrFNm);
  lists.FrLNm = SplitNames(kFrLNm);
  lists.AFNm = SplitNames(kAFNm);
  lists.ALNm = SplitNames(kALNm);
  lists.GFNm = SplitNames(kGFNm);
  lists.GLNm = SplitNames(kGLNm);
  lists.HFNm = SplitNames(kHFNm);
  lists.HLNm = SplitNames(kHLNm);
  lists.ItFNm = SplitNames(kItFNm);
  lists.ItLNm = SplitNames(kItLNm);
  lists.RoFNm = SplitNames(kRoFNm);
  lists.RoLNm = SplitNames(kRoLNm);
  lists.SkFNm = SplitNames(kSkFNm);
  lists.SkLNm = SplitNames(kSkLNm);
  lists.FFNm = SplitNames(kFFNm);
  lists.FLNm = SplitNames(kFLNm);
  lists.JFNm = SplitNames(kJFNm);
  lists.JLNm = SplitNames(kJLNm);
  return lists;
}

}  // namespace

const PilotNameLists& BuiltInPilotNames() {
  static const PilotNameLists lists = MakeBuiltInNames();
  return lists;
}
